#include "hotkey/HotkeyController.h"

#include "table/EditorHost.h"

HotkeyController::HotkeyController(EditorHost *host, QObject *parent) : QObject(parent), m_host(host) {}

HotkeyController::~HotkeyController() = default;

void HotkeyController::hotkeyEditing() {}

void HotkeyController::exportHotkey() {}

void HotkeyController::chooseParameter() {}

void HotkeyController::previewHotkeyCard() {}
