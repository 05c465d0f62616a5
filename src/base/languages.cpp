#include "base/languages.h"

#include <QCoreApplication>

namespace {
const char *const kCodes[Languages::kCount] = {"en", "it", "tw", "es", "fr", "de", "cn", "kr"};
const char *const kLocales[Languages::kCount] = {"en_GB", "it_IT", "zh_TW", "es_ES",
                                                 "fr_FR", "de_DE", "zh_CN", "ko_KR"};
const char *const kNames[Languages::kCount] = {
    QT_TRANSLATE_NOOP("Languages", "English"),
    QT_TRANSLATE_NOOP("Languages", "Italian"),
    QT_TRANSLATE_NOOP("Languages", "Traditional Chinese"),
    QT_TRANSLATE_NOOP("Languages", "Spanish"),
    QT_TRANSLATE_NOOP("Languages", "French"),
    QT_TRANSLATE_NOOP("Languages", "German"),
    QT_TRANSLATE_NOOP("Languages", "Simplified Chinese"),
    QT_TRANSLATE_NOOP("Languages", "Korean"),
};

bool valid(int index)
{
    return index >= 0 && index < Languages::kCount;
}
} // namespace

QString Languages::code(int index)
{
    return valid(index) ? QString::fromLatin1(kCodes[index]) : QString();
}

QString Languages::name(int index)
{
    return valid(index) ? QCoreApplication::translate("Languages", kNames[index]) : QString();
}

QString Languages::locale(int index)
{
    return valid(index) ? QString::fromLatin1(kLocales[index]) : QString();
}

bool Languages::usesDecimalComma(int index)
{
    return index == 1 || index == 3 || index == 4 || index == 5;
}
