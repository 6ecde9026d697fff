// Texts between the framework's objects (UTF-8, CR between lines) and Qt (QString, LF).
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace fw::qt {

inline QString ToQt(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string FromQt(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// An object's text as Qt shows it: CR, and CR LF, become line breaks.
inline QString ShownText(std::string_view objectText)
{
    QString text = ToQt(objectText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// What a user typed across lines, as the object keeps it: CR between lines.
inline std::string ObjectText(QString shown)
{
    shown.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return FromQt(shown);
}

} // namespace fw::qt
