#include "ShortcutText.h"

#include "TextConversion.h"

#include <QStringList>

namespace fw::qt {

namespace {
constexpr std::int32_t kExtraShift = 1;
constexpr std::int32_t kExtraAlt = 2;
constexpr std::int32_t kExtraSecondary = 4;

// The object's modifier words in Qt's portable spelling.
QString portableModifier(const QString& word)
{
    QString lower = word.trimmed().toLower();
    if (lower == QLatin1String("cmd") || lower == QLatin1String("command"))
        return QStringLiteral("Ctrl");
    if (lower == QLatin1String("option") || lower == QLatin1String("opt") || lower == QLatin1String("alt"))
        return QStringLiteral("Alt");
    if (lower == QLatin1String("shift"))
        return QStringLiteral("Shift");
    if (lower == QLatin1String("ctrl") || lower == QLatin1String("control"))
        return QStringLiteral("Ctrl");
    if (lower == QLatin1String("meta"))
        return QStringLiteral("Meta");
    return {};
}
} // namespace

QKeySequence KeySequenceFor(std::string_view shortcut, std::int32_t extraModifiers)
{
    QString text = ToQt(shortcut).trimmed();
    if (text.isEmpty())
        return {};
    // "+" itself may be the key: "Cmd++".
    QString key;
    if (text.endsWith(QLatin1String("++")) || text == QLatin1String("+")) {
        key = QStringLiteral("+");
        text.chop(text == QLatin1String("+") ? 1 : 2);
    } else {
        qsizetype split = text.lastIndexOf(QLatin1Char('+'));
        key = text.mid(split + 1).trimmed();
        text.truncate(split < 0 ? 0 : split);
    }
    if (key.isEmpty())
        return {};
    QStringList parts;
    for (const QString& word : text.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        QString modifier = portableModifier(word);
        if (modifier.isEmpty())
            return {}; // a word that is no modifier: not a shortcut we can read
        if (!parts.contains(modifier))
            parts << modifier;
    }
    auto add = [&parts](std::int32_t bit, std::int32_t extra, const char* modifier) {
        if ((extra & bit) && !parts.contains(QLatin1String(modifier)))
            parts << QLatin1String(modifier);
    };
    add(kExtraShift, extraModifiers, "Shift");
    add(kExtraAlt, extraModifiers, "Alt");
    add(kExtraSecondary, extraModifiers, "Meta");
    parts << (key.size() == 1 ? key.toUpper() : key);
    QKeySequence sequence = QKeySequence::fromString(parts.join(QLatin1Char('+')), QKeySequence::PortableText);
    return sequence.count() == 1 && sequence[0].key() != Qt::Key_unknown ? sequence : QKeySequence();
}

} // namespace fw::qt
