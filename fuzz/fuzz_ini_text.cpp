// config.ini on arbitrary bytes: decoding, looking a key up, rewriting one
// and encoding again must never crash, and the rewritten key must read back.
// (Decoding the encoded bytes again may guess another encoding for a file
// that mixes them, so only the text itself is asked.)

#include "storage/ini_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniText text = IniText::Decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)text.Value(u"config", u"lang");
    text.SetValue(QStringLiteral("config"), QStringLiteral("auto_connect"), QStringLiteral("1"));
    if (text.Value(u"config", u"auto_connect") != QStringLiteral("1"))
        std::abort();
    (void)IniText::Decode(text.Encode()).Value(u"config", u"auto_connect");
    return 0;
}
