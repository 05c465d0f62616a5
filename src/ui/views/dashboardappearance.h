#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// How the dashboard's fonts, colours and background picture are written in
// app.ini and in style sheets.
namespace DashboardAppearance {

// "family,weight,point size,style" (HEADER_FONT, VIEW_FONT, MESSAGE_FONT).
QString fontSettingText(const QFont &font);
// False, and font untouched, unless the text has exactly those four parts,
// a family, a weight 0 to 99, a point size above 0 and a style 0 to 2.
bool parseFontSetting(const QString &text, QFont &font);

// "red,green,blue" (HEADER_RGB, VIEW_RGB, MSG_RGB).
QString colorSettingText(const QColor &color);
// An invalid colour unless the text has exactly three parts, each 0 to 255.
QColor parseColorSetting(const QString &text);
// "color: rgb(r, g, b);", or nothing for an invalid colour (the default colour stays).
QString colorStyleSheet(const QColor &color);

// The declarations that stretch a picture over a frame; nothing for an empty
// path. The path is quoted and escaped, so that blanks, brackets, quotes and
// line breaks in a file name do not break the style sheet (a backslash does:
// style sheets cannot name such a file).
QString backgroundDeclarations(const QString &path);

} // namespace DashboardAppearance
