#include "Opcoes.h"

#include <QCommandLineParser>
#include <QDir>
#include <QHash>

#include <unistd.h>

#include <cmath>

namespace {

constexpr double kZeroAcimaDoLimite = 16100000.0;

const QHash<QString, TipoCenario>& Cenarios() {
  static const QHash<QString, TipoCenario> cenarios{
      {QStringLiteral("quieto"), TipoCenario::Quieto},
      {QStringLiteral("cmj"), TipoCenario::Cmj},
      {QStringLiteral("sj"), TipoCenario::Sj},
      {QStringLiteral("dj"), TipoCenario::Dj},
      {QStringLiteral("vazio"), TipoCenario::Vazio},
      {QStringLiteral("carga"), TipoCenario::Carga},
  };
  return cenarios;
}

QString PastaPadrao() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty()) return runtime + QStringLiteral("/brivana-sim");
  return QStringLiteral("/tmp/brivana-sim-%1").arg(getuid());
}

// Reads the options' numbers, remembering the first one that is not valid.
class Numeros {
 public:
  explicit Numeros(const QCommandLineParser& p) : p_(p) {}

  void real(const QString& nome, double& destino, double minimo, double maximo) {
    if (!p_.isSet(nome)) return;
    bool ok = false;
    const double valor = p_.value(nome).toDouble(&ok);
    if (ok && std::isfinite(valor) && valor >= minimo && valor <= maximo)
      destino = valor;
    else
      falhar(nome);
  }

  void inteiro(const QString& nome, int& destino, int minimo, int maximo) {
    if (!p_.isSet(nome)) return;
    bool ok = false;
    const int valor = p_.value(nome).toInt(&ok);
    if (ok && valor >= minimo && valor <= maximo)
      destino = valor;
    else
      falhar(nome);
  }

  void semente(const QString& nome, std::uint64_t& destino) {
    if (!p_.isSet(nome)) return;
    bool ok = false;
    const qulonglong valor = p_.value(nome).toULongLong(&ok);
    if (ok)
      destino = valor;
    else
      falhar(nome);
  }

  const QString& erro() const { return erro_; }

 private:
  void falhar(const QString& nome) {
    if (erro_.isEmpty())
      erro_ = QStringLiteral("valor invalido para --%1: %2").arg(nome, p_.value(nome));
  }

  const QCommandLineParser& p_;
  QString erro_;
};

}  // namespace

LeituraDeOpcoes LerOpcoes(const QStringList& argumentos) {
  QCommandLineParser p;
  p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QStringList comValor{"dispositivos",     "nome",      "pasta",   "codigo1",
                             "codigo2",          "cenario",   "carga",   "massa",
                             "divisao",          "ruido",     "semente", "zero",
                             "contagens-por-kg", "inicio",    "taxa",    "checksum-errado",
                             "perder",           "sumir-apos"};
  for (const QString& nome : comValor) p.addOption(QCommandLineOption(nome, QString(), "valor"));
  for (const char* nome :
       {"trocar", "lixo", "silencio", "acima-do-limite", "bruto", "eco", "help", "ajuda"})
    p.addOption(QCommandLineOption(QString::fromLatin1(nome)));
  p.addOption(QCommandLineOption("h"));

  LeituraDeOpcoes leitura;
  if (!p.parse(argumentos)) {
    leitura.erro = p.errorText();
    return leitura;
  }
  if (!p.positionalArguments().isEmpty()) {
    leitura.erro = QStringLiteral("argumento inesperado: ") + p.positionalArguments().first();
    return leitura;
  }
  if (p.isSet("help") || p.isSet("ajuda") || p.isSet("h")) return leitura;

  Opcoes o;
  Numeros n(p);
  n.inteiro("dispositivos", o.dispositivos, 1, 2);
  n.inteiro("codigo1", o.codigos[0], 0, 255);
  n.inteiro("codigo2", o.codigos[1], 0, 255);
  n.real("carga", o.cenario.cargaKg, 0.0, 1e5);
  n.real("massa", o.cenario.massaKg, 1e-3, 1e4);
  n.real("divisao", o.cenario.divisao, 0.0, 1.0);
  n.real("ruido", o.ruidoKg, 0.0, 1e4);
  n.semente("semente", o.semente);
  n.real("zero", o.cenario.zero, 0.0, 16777215.0);
  n.real("contagens-por-kg", o.cenario.contagensPorKg, 1e-6, 1e7);
  n.real("inicio", o.cenario.inicioS, 0.0, 3600.0);
  n.real("taxa", o.taxaHz, 0.0, 1e6);
  n.inteiro("checksum-errado", o.checksumErrado, 0, 1 << 30);
  n.inteiro("perder", o.perder, 0, 1 << 30);
  n.real("sumir-apos", o.sumirAposS, 0.0, 1e6);
  if (!n.erro().isEmpty()) {
    leitura.erro = n.erro();
    return leitura;
  }
  if (p.isSet("cenario")) {
    const auto tipo = Cenarios().find(p.value("cenario"));
    if (tipo == Cenarios().end()) {
      leitura.erro = QStringLiteral("cenario desconhecido: ") + p.value("cenario");
      return leitura;
    }
    o.cenario.tipo = *tipo;
    o.nomeDoCenario = p.value("cenario");
  }
  if (p.isSet("nome")) o.nome = p.value("nome");
  if (o.nome.isEmpty() || o.nome.contains('/')) {
    leitura.erro = QStringLiteral("--nome nao pode ser vazio nem conter /");
    return leitura;
  }
  o.pasta = p.isSet("pasta") ? p.value("pasta") : PastaPadrao();
  if (o.pasta.isEmpty()) {
    leitura.erro = QStringLiteral("--pasta vazia");
    return leitura;
  }
  o.pasta = QDir::cleanPath(QDir(o.pasta).absolutePath());

  o.trocar = p.isSet("trocar");
  o.lixo = p.isSet("lixo");
  o.silencio = p.isSet("silencio");
  o.acimaDoLimite = p.isSet("acima-do-limite");
  o.bruto = p.isSet("bruto");
  o.eco = p.isSet("eco");
  o.cenario.dispositivos = o.dispositivos;
  if (o.acimaDoLimite) o.cenario.zero = kZeroAcimaDoLimite;
  leitura.opcoes = o;
  return leitura;
}
