#pragma once

#include <QString>

class QMainWindow;

// The menu bar, the actions of the main window and their icons, built from one table. Every
// action starts disabled; whoever connects it enables it.
namespace MainMenus {
void build(QMainWindow *window);
// The texts of the menus and actions in the language now installed.
void retranslate(QMainWindow *window);
// A menu text without its Alt key mark: "&File" and "文件(&F)" give "File" and "文件".
QString plainText(QString text);
} // namespace MainMenus
