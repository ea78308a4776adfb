#include "devices/fade_text.h"

const QStringList& FadeTimeEntries() {
    static const QStringList entries = {"0", "0.7", "1",  "1.4",  "2",  "2.8",  "4",  "5.7",
                                        "8", "11.3", "16", "22.6", "32", "45.3", "64", "90.5"};
    return entries;
}

const QStringList& FadeRateEntries() {
    static const QStringList entries = {"Impossible", "358",  "253",  "179",  "127", "89.4", "63.3", "44.7",
                                        "31.6",       "22.4", "15.8", "11.2", "7.9", "5.6",  "4",    "2.8"};
    return entries;
}

const QStringList& FastFadeTimeEntries() {
    static const QStringList entries = [] {
        QStringList list{QStringLiteral("<25ms")};
        for (int n = 1; n <= 27; ++n)
            list << QStringLiteral("%1ms").arg(n * 25);
        return list;
    }();
    return entries;
}

QString FadeEntry(const QStringList& entries, uint8_t value) {
    return value < entries.size() ? entries[value] : QString::number(value);
}
