#pragma once

#include <QApplication>
#include <QLocale>
#include <QtTest>

#include "support/AmbienteDeTeste.h"

// Main for a window test: temporary HOME first, then a QApplication on the offscreen platform.
#define BRIVANA_GUI_TEST_MAIN(Classe)        \
  int main(int argc, char** argv) {          \
    AmbienteDeTeste::novaCasa();             \
    QApplication app(argc, argv);            \
    Classe teste;                            \
    return QTest::qExec(&teste, argc, argv); \
  }
