#include "records/FormatoExibicao.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace {

QLocale LocalidadeDeExibicao(bool agruparMilhares) {
  QLocale local(QLocale::Portuguese, QLocale::Brazil);
  local.setNumberOptions(agruparMilhares ? QLocale::DefaultNumberOptions
                                         : QLocale::OmitGroupSeparator);
  return local;
}

bool EhFormatoDeData(const QString& formato) {
  return formato.contains(u'/') || formato.contains(u'y', Qt::CaseInsensitive) ||
         formato.contains(u'h', Qt::CaseInsensitive);
}

// Digits after the decimal point of a numeric pattern such as "####0.00000".
int CasasDecimais(const QString& formato) {
  const qsizetype ponto = formato.indexOf(u'.');
  if (ponto < 0) return 0;
  int casas = 0;
  for (qsizetype i = ponto + 1; i < formato.size(); ++i) {
    if (formato[i] != u'0' && formato[i] != u'#') break;
    ++casas;
  }
  return casas;
}

QString FormatarNumero(double valor, const QString& formato) {
  const QLocale local = LocalidadeDeExibicao(formato.contains(u','));
  QString texto = local.toString(valor, 'f', CasasDecimais(formato));
  // A value that rounds to zero shows without a sign, as the toolkit's formatter does.
  const bool soZeros =
      std::none_of(texto.cbegin(), texto.cend(), [](QChar c) { return c >= u'1' && c <= u'9'; });
  if (soZeros && texto.startsWith(u'-')) texto.remove(0, 1);
  return texto;
}

// The toolkit's date letters (d, m, y, h, n, s, z; "m" right after an hour means minutes) in
// Qt's spelling.
QString FormatoDeDataQt(const QString& formato) {
  QString qt;
  bool depoisDeHora = false;
  for (qsizetype i = 0; i < formato.size();) {
    const QChar letra = formato[i].toLower();
    qsizetype fim = i;
    while (fim < formato.size() && formato[fim].toLower() == letra) ++fim;
    const qsizetype repeticoes = fim - i;
    switch (letra.unicode()) {
      case u'd':
        qt += QString(repeticoes, u'd');
        break;
      case u'y':
        qt += repeticoes > 2 ? QStringLiteral("yyyy") : QStringLiteral("yy");
        break;
      case u'm':
        qt += QString(repeticoes, depoisDeHora ? u'm' : u'M');
        break;
      case u'n':
        qt += QString(repeticoes, u'm');
        break;
      case u'h':
        qt += QString(repeticoes, u'H');
        break;
      case u's':
        qt += QString(repeticoes, u's');
        break;
      case u'z':
        qt += QString(repeticoes, u'z');
        break;
      default:
        qt += QLatin1Char('\'') + formato.mid(i, repeticoes) + QLatin1Char('\'');
        break;
    }
    if (letra != u':' && letra != u' ') depoisDeHora = letra == u'h';
    i = fim;
  }
  return qt;
}

QString FormatarDataHora(const QDateTime& valor, const QString& formato) {
  if (!valor.isValid()) return QString();
  if (!formato.isEmpty()) return valor.toString(FormatoDeDataQt(formato));
  // Without a format the toolkit shows the date, and the time only when there is one.
  if (valor.time() == QTime(0, 0)) return valor.toString(QStringLiteral("dd/MM/yyyy"));
  return valor.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

}  // namespace

QString FormatarParaExibicao(const QVariant& valor, TipoCampo tipo, const QString& formato) {
  if (!valor.isValid() || valor.isNull()) return QString();
  switch (tipo) {
    case TipoCampo::Texto:
      return valor.toString();
    case TipoCampo::Binario:
      return QString();
    case TipoCampo::DataHora:
      return FormatarDataHora(valor.toDateTime(), formato);
    case TipoCampo::Inteiro:
      if (CasasDecimais(formato) > 0) {
        return FormatarNumero(static_cast<double>(valor.toLongLong()), formato);
      }
      return LocalidadeDeExibicao(formato.contains(u',')).toString(valor.toLongLong());
    case TipoCampo::Real:
      if (!formato.isEmpty() && !EhFormatoDeData(formato)) {
        return FormatarNumero(valor.toDouble(), formato);
      }
      return LocalidadeDeExibicao(false).toString(valor.toDouble(), 'g', 15);
  }
  return QString();
}
