#pragma once

#include <QString>

class QMainWindow;

// The menu bar, the actions of the main window and their icons, built from one table. Every
// action starts disabled; whoever connects it enables it.
namespace MainMenus {
void build(QMainWindow *window);
// The texts of the menus and actions in the language now installed.
void retranslate(QMainWindow *window);
// A picture of the program's Images folder: the working folder's first, then the program's.
QString imagePath(const QString &file);
} // namespace MainMenus
