#include "app/luminaire_info.h"

#include "devices/bank_layouts.h"
#include "storage/load_text.h"

namespace {

constexpr StringId kSectionTitles[] = {790, 791, 792, 793};  // in BankSection order
constexpr StringId kNotPresent = 795, kIdentityTitle = 732;

}  // namespace

std::vector<InfoRow> LuminaireInfoRows(const BankReadings& banks, const QString& module) {
    std::vector<InfoRow> rows;
    if (banks.empty())
        return rows;
    for (const BankSection section :
         {BankSection::Luminaire, BankSection::Energy, BankSection::Health, BankSection::Maintenance}) {
        std::vector<InfoRow> values;
        bool anyBank = false;
        for (const BankLayout& layout : LuminaireBankLayouts()) {
            const auto read = banks.find(layout.bank);
            if (layout.section != section || read == banks.end() || !read->second)
                continue;
            anyBank = true;
            const MemoryBankBytes& bytes = *read->second;
            for (const BankField& field : layout.fields)
                if (field.location <= bytes.lastLocation)  // past its end the gear's bank has no such value
                    values.push_back({FieldLabel(layout, field, module), FieldText(field, bytes, module)});
        }
        rows.push_back({});
        const QString title = LoadText(kSectionTitles[int(section)], module);
        rows.push_back({title, anyBank ? QString() : LoadText(kNotPresent, module)});
        rows.insert(rows.end(), values.begin(), values.end());
    }
    return rows;
}

std::vector<InfoRow> IdentityInfoRows(const GearIdentity& identity, const QString& module) {
    std::vector<InfoRow> rows;
    if (!identity.bank0)
        return rows;
    const BankLayout& layout = Bank0Layout(identity.identificationBytes == 8);
    rows.push_back({});
    rows.push_back({LoadText(kIdentityTitle, module), QString()});
    for (const BankField& field : layout.fields)
        if (identity.bank0->bigEndian(field.location, field.size))
            rows.push_back({FieldLabel(layout, field, module), FieldText(field, *identity.bank0, module)});
    return rows;
}
