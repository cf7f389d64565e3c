#include "app/Traducoes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalarTraducoesQt() {
  auto* traducao = new QTranslator(QCoreApplication::instance());
  const bool carregada =
      traducao->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (!carregada || !QCoreApplication::installTranslator(traducao)) {
    delete traducao;
    return false;
  }
  return true;
}
