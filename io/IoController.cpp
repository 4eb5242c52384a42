#include "io/IoController.h"

#include "table/EditorHost.h"

IoController::IoController(EditorHost *host, QObject *parent) : QObject(parent), m_host(host) {}

IoController::~IoController() = default;

void IoController::importPluFromExcel() {}

void IoController::customImport() {}

void IoController::exportToExcel() {}

void IoController::importTxt() {}
