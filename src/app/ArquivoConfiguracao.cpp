#include "app/ArquivoConfiguracao.h"

#include "app/ChavesConfiguracao.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace {

const QString kSecao = QStringLiteral("Parametros");

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; unassigned codes map to themselves.
constexpr char16_t kCp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool SincronizarNoDisco(int descritor) {
#ifdef Q_OS_WIN
  return _commit(descritor) == 0;
#else
  return ::fsync(descritor) == 0;
#endif
}

bool EhCabecalho(const QString& linha, QString* nome) {
  const QString t = linha.trimmed();
  if (!t.startsWith('[') || !t.endsWith(']')) return false;
  *nome = t.mid(1, t.size() - 2).trimmed();
  return true;
}

}  // namespace

QString DecodificarTextoConfiguracao(const QByteArray& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString texto = utf8.decode(bytes);
  if (!utf8.hasError()) {
    if (texto.startsWith(QChar(0xFEFF))) texto.remove(0, 1);
    return texto;
  }
  texto.resize(bytes.size());
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    texto[i] = (c >= 0x80 && c <= 0x9F) ? QChar(kCp1252Alto[c - 0x80]) : QChar(c);
  }
  return texto;
}

QString DecimalParaTexto(double valor, int casas) {
  return QString::number(valor, 'f', casas).replace('.', ',');
}

bool TextoParaDecimal(const QString& texto, double* valor) {
  QString t = texto.trimmed();
  if (t.startsWith('+')) t.remove(0, 1);
  if (t.isEmpty() || t.contains('.')) return false;
  const QByteArray ascii = t.replace(',', '.').toLatin1();
  double v = 0;
  const auto [fim, erro] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
  if (erro != std::errc() || fim != ascii.data() + ascii.size() || !std::isfinite(v)) return false;
  *valor = v;
  return true;
}

bool TextoParaInteiro(const QString& texto, int* valor) {
  bool ok = false;
  const int v = texto.trimmed().toInt(&ok, 10);
  if (ok) *valor = v;
  return ok;
}

ArquivoConfiguracao::ArquivoConfiguracao(QString caminho) : caminho_(std::move(caminho)) {
  carregar();
}

void ArquivoConfiguracao::carregar() {
  linhas_.clear();
  QFile arquivo(caminho_);
  if (!arquivo.open(QIODevice::ReadOnly)) return;  // missing or unreadable: every key defaults
  QString texto = DecodificarTextoConfiguracao(arquivo.readAll());
  texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  linhas_ = texto.split('\n');
  if (!linhas_.isEmpty() && linhas_.last().isEmpty()) linhas_.removeLast();
  indexar();
}

void ArquivoConfiguracao::indexar() {
  chaves_.clear();
  fimSecao_ = -1;
  bool naSecao = false;
  for (qsizetype i = 0; i < linhas_.size(); ++i) {
    QString nome;
    if (EhCabecalho(linhas_[i], &nome)) {
      naSecao = nome.compare(kSecao, Qt::CaseInsensitive) == 0;
      if (naSecao) fimSecao_ = i + 1;
      continue;
    }
    if (!naSecao || linhas_[i].trimmed().isEmpty()) continue;
    fimSecao_ = i + 1;
    const qsizetype igual = linhas_[i].indexOf('=');
    if (igual <= 0) continue;
    const QString chave = linhas_[i].left(igual).trimmed().toLower();
    if (!chaves_.contains(chave)) chaves_.insert(chave, i);  // the first of repeated keys counts
  }
}

bool ArquivoConfiguracao::valor(const QString& chave, QString* saida) const {
  const auto i = chaves_.constFind(chave.toLower());
  if (i == chaves_.cend()) return false;
  const QString& linha = linhas_[*i];
  *saida = linha.mid(linha.indexOf('=') + 1).trimmed();
  return true;
}

namespace {

std::optional<int> Inteiro(const QString& texto) {
  int v = 0;
  return TextoParaInteiro(texto, &v) ? std::optional<int>(v) : std::nullopt;
}

std::optional<double> Decimal(const QString& texto) {
  double v = 0;
  return TextoParaDecimal(texto, &v) ? std::optional<double>(v) : std::nullopt;
}

QString PadraoDaChave(const QString& chave) {
  const ChaveConfiguracao* c = ProcurarChave(chave);
  return c ? QString::fromUtf16(c->padrao) : QString();
}

}  // namespace

QString ArquivoConfiguracao::lerTexto(const QString& chave) const {
  return lerTexto(chave, PadraoDaChave(chave));
}

bool ArquivoConfiguracao::lerBooleano(const QString& chave) const {
  return lerBooleano(chave, Inteiro(PadraoDaChave(chave)).value_or(0) != 0);
}

int ArquivoConfiguracao::lerInteiro(const QString& chave) const {
  return lerInteiro(chave, Inteiro(PadraoDaChave(chave)).value_or(0));
}

double ArquivoConfiguracao::lerDecimal(const QString& chave) const {
  return lerDecimal(chave, Decimal(PadraoDaChave(chave)).value_or(0));
}

QString ArquivoConfiguracao::lerTexto(const QString& chave, const QString& padrao) const {
  QString v;
  return valor(chave, &v) ? v : padrao;
}

bool ArquivoConfiguracao::lerBooleano(const QString& chave, bool padrao) const {
  const std::optional<int> v = Inteiro(lerTexto(chave, QString()));
  return v ? *v != 0 : padrao;
}

int ArquivoConfiguracao::lerInteiro(const QString& chave, int padrao) const {
  return Inteiro(lerTexto(chave, QString())).value_or(padrao);
}

double ArquivoConfiguracao::lerDecimal(const QString& chave, double padrao) const {
  return Decimal(lerTexto(chave, QString())).value_or(padrao);
}

void ArquivoConfiguracao::aplicar(const QString& chave, const QString& valor) {
  QString limpo = valor;
  limpo.replace('\r', ' ').replace('\n', ' ');  // a line break would forge a new key
  const QString linha = chave + '=' + limpo;
  const auto i = chaves_.constFind(chave.toLower());
  if (i != chaves_.cend()) {
    linhas_[*i] = linha;
    return;
  }
  if (fimSecao_ >= 0) {
    linhas_.insert(fimSecao_, linha);
  } else {
    if (!linhas_.isEmpty() && !linhas_.last().trimmed().isEmpty()) linhas_.append(QString());
    linhas_.append('[' + kSecao + ']');
    linhas_.append(linha);
  }
  indexar();
}

bool ArquivoConfiguracao::gravar(const Valores& valores) {
  carregar();  // another use may have written since this object was created
  for (const auto& [chave, valor] : valores) aplicar(chave, valor);

  // Unbuffered: a buffered QSaveFile reports success after a short write (a full disk) at commit.
  QSaveFile arquivo(caminho_);
  if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  const QByteArray bytes = (linhas_.join('\n') + '\n').toUtf8();
  if (arquivo.write(bytes) != bytes.size() || !SincronizarNoDisco(arquivo.handle())) {
    arquivo.cancelWriting();
    return false;
  }
  return arquivo.commit();
}

bool ArquivoConfiguracao::gravarTexto(const QString& chave, const QString& valor) {
  return gravar({{chave, valor}});
}

bool ArquivoConfiguracao::gravarBooleano(const QString& chave, bool valor) {
  return gravarTexto(chave, BooleanoParaTexto(valor));
}

bool ArquivoConfiguracao::gravarInteiro(const QString& chave, int valor) {
  return gravarTexto(chave, QString::number(valor));
}

bool ArquivoConfiguracao::gravarDecimal(const QString& chave, double valor) {
  return gravarTexto(chave, DecimalParaTexto(valor));
}
