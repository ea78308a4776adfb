#include "storage/qm_reader.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace {

constexpr std::array<uint8_t, 16> kMagic{0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                         0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};
constexpr uint8_t kMessagesSection = 0x69;
// Fields of a message; each but the end and the obsolete one carries a
// 32-bit length and that many bytes.
constexpr uint8_t kEnd = 1, kTranslation = 3, kObsolete = 5, kSourceText = 6, kContext = 7, kComment = 8;
constexpr quint32 kNullText = 0xFFFFFFFF;

// Reads big-endian values and byte runs from a span, refusing to pass its end.
class Cursor {
public:
    Cursor(const char* begin, qsizetype size) : at_(begin), left_(size) {}
    bool atEnd() const { return left_ == 0; }
    bool byte(uint8_t& value) {
        if (left_ < 1)
            return false;
        value = uint8_t(*at_);
        skip(1);
        return true;
    }
    bool word(quint32& value) {
        if (left_ < 4)
            return false;
        value = qFromBigEndian<quint32>(at_);
        skip(4);
        return true;
    }
    bool run(quint32 size, const char*& begin) {
        if (qsizetype(size) > left_)
            return false;
        begin = at_;
        skip(size);
        return true;
    }

private:
    void skip(qsizetype n) {
        at_ += n;
        left_ -= n;
    }
    const char* at_;
    qsizetype left_;
};

struct Message {
    QString translation;
    bool hasTranslation = false;
    QByteArray sourceText;
};

// One message up to its end field; false when it does not fit or has a field
// the format does not know.
bool readMessage(Cursor& in, Message& message) {
    for (;;) {
        uint8_t tag = 0;
        quint32 size = 0;
        const char* bytes = nullptr;
        if (!in.byte(tag))
            return false;
        if (tag == kEnd)
            return true;
        if (tag == kObsolete) {
            if (!in.word(size))
                return false;
            continue;
        }
        if (tag != kTranslation && tag != kSourceText && tag != kContext && tag != kComment)
            return false;
        if (!in.word(size))
            return false;
        if (tag == kTranslation && size == kNullText)
            continue;
        if (!in.run(size, bytes))
            return false;
        if (tag == kTranslation && !message.hasTranslation) {
            if (size % 2 != 0)
                return false;
            QString text(qsizetype(size / 2), Qt::Uninitialized);
            for (qsizetype i = 0; i < text.size(); ++i)
                text[i] = QChar(qFromBigEndian<quint16>(bytes + 2 * i));
            message.translation = text;
            message.hasTranslation = true;
        } else if (tag == kSourceText) {
            message.sourceText = QByteArray(bytes, qsizetype(size));
        }
    }
}

}  // namespace

std::optional<ModuleTexts> ReadQmModule(const QByteArray& bytes) {
    if (bytes.size() < qsizetype(kMagic.size()) || std::memcmp(bytes.constData(), kMagic.data(), kMagic.size()) != 0)
        return std::nullopt;
    Cursor file(bytes.constData() + kMagic.size(), bytes.size() - qsizetype(kMagic.size()));
    ModuleTexts texts;
    while (!file.atEnd()) {
        uint8_t section = 0;
        quint32 size = 0;
        const char* body = nullptr;
        if (!file.byte(section) || !file.word(size) || !file.run(size, body))
            return std::nullopt;
        if (section != kMessagesSection)
            continue;
        Cursor messages(body, qsizetype(size));
        while (!messages.atEnd()) {
            Message message;
            if (!readMessage(messages, message))
                return std::nullopt;
            bool isNumber = false;
            const StringId id = message.sourceText.toUInt(&isNumber);
            if (isNumber && message.hasTranslation)
                texts.try_emplace(id, message.translation);
        }
    }
    return texts;
}
