#include "app/luminaire_info.h"

#include "devices/bank_layouts.h"
#include "storage/load_text.h"

namespace {

constexpr StringId kSectionTitles[] = {790, 791, 792, 793};  // in BankSection order
constexpr StringId kNotPresent = 795;

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
