#include "records/Conexao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <exception>

Conexao::Conexao() = default;

Conexao::~Conexao() {
  preparados_.clear();
  banco_.reset();
}

bool Conexao::conectar(const QString& caminho, const QString& esquemaSql,
                       const QVector<TabelaExigida>& exigidas) {
  if (conectada()) return true;
  erro_.clear();
  conteudoRecusado_ = false;
  if (caminho.isEmpty()) {
    // SQLite would open a private temporary database, and nothing would ever be kept.
    erro_ = QStringLiteral("Caminho do banco de dados não informado.");
    return false;
  }
  const QFileInfo arquivo(caminho);
  if (!arquivo.absoluteDir().exists()) {
    erro_ = QStringLiteral("Pasta do banco de dados inexistente: %1").arg(arquivo.absolutePath());
    return false;
  }
  if (arquivo.isDir()) {
    erro_ = QStringLiteral("O caminho do banco de dados é uma pasta: %1").arg(caminho);
    return false;
  }
  const bool novo = !arquivo.exists();
  try {
    const int modo = SQLite::OPEN_READWRITE | (novo ? SQLite::OPEN_CREATE : 0);
    banco_ = std::make_unique<SQLite::Database>(caminho.toUtf8().toStdString(), modo);
    conteudoRecusado_ = !novo;  // from here on only the file's content can fail
    const bool pronto = novo ? criarEsquema(esquemaSql) : validar(exigidas);
    if (pronto) {
      garantirTransacao();
      conteudoRecusado_ = false;
      return true;
    }
  } catch (const std::exception& e) {
    erro_ = QString::fromUtf8(e.what());
  }
  fechar();
  // Only a file this call created is removed; an existing one is never touched.
  if (novo) QFile::remove(caminho);
  return false;
}

bool Conexao::validar(const QVector<TabelaExigida>& exigidas) {
  for (const TabelaExigida& tabela : exigidas) {
    SQLite::Statement info(*banco_, "PRAGMA table_info(\"" + tabela.nome.toStdString() + "\")");
    QSet<QString> presentes;
    while (info.executeStep())
      presentes.insert(QString::fromUtf8(info.getColumn(1).getText()).toLower());
    if (presentes.isEmpty()) {
      erro_ = QStringLiteral("Tabela %1 ausente no banco de dados.").arg(tabela.nome);
      return false;
    }
    for (const QString& coluna : tabela.colunas) {
      if (!presentes.contains(coluna.toLower())) {
        erro_ = QStringLiteral("Coluna %1 ausente na tabela %2.").arg(coluna, tabela.nome);
        return false;
      }
    }
  }
  return true;
}

bool Conexao::criarEsquema(const QString& esquemaSql) {
  if (esquemaSql.trimmed().isEmpty()) {
    erro_ = QStringLiteral("Esquema do banco de dados indisponível.");
    return false;
  }
  banco_->exec("BEGIN");
  try {
    banco_->exec(esquemaSql.toUtf8().toStdString());
    banco_->exec("COMMIT");
  } catch (...) {
    if (emTransacao()) banco_->tryExec("ROLLBACK");
    throw;
  }
  return true;
}

bool Conexao::desconectar() {
  if (!conectada()) return true;
  preparados_.clear();
  bool ok = true;
  try {
    if (emTransacao()) banco_->exec("ROLLBACK");
  } catch (const std::exception& e) {
    erro_ = QString::fromUtf8(e.what());
    ok = false;
  }
  fechar();
  return ok;
}

void Conexao::fechar() {
  preparados_.clear();
  banco_.reset();
}

bool Conexao::commit() {
  if (!conectada()) {
    erro_ = QStringLiteral("Banco de dados desconectado.");
    return false;
  }
  try {
    if (emTransacao()) banco_->exec("COMMIT");
    banco_->exec("BEGIN");
    return true;
  } catch (const std::exception& e) {
    erro_ = QString::fromUtf8(e.what());
    return false;
  }
}

bool Conexao::executar(const QString& sql) {
  if (!conectada()) {
    erro_ = QStringLiteral("Banco de dados desconectado.");
    return false;
  }
  try {
    garantirTransacao();
    banco_->exec(sql.toUtf8().toStdString());
    return true;
  } catch (const std::exception& e) {
    erro_ = QString::fromUtf8(e.what());
    return false;
  }
}

SQLite::Statement& Conexao::preparado(const std::string& sql) {
  if (!conectada()) throw SQLite::Exception("Banco de dados desconectado.");
  auto& comando = preparados_[sql];
  if (!comando) {
    comando = std::make_unique<SQLite::Statement>(*banco_, sql);
  } else {
    // tryReset: reset() would throw again the error of the statement's last failed run.
    comando->tryReset();
    comando->clearBindings();
  }
  return *comando;
}

std::unique_ptr<SQLite::Statement> Conexao::novoComando(const std::string& sql) {
  if (!conectada()) throw SQLite::Exception("Banco de dados desconectado.");
  return std::make_unique<SQLite::Statement>(*banco_, sql);
}

void Conexao::garantirTransacao() {
  if (conectada() && !emTransacao()) banco_->exec("BEGIN");
}

int Conexao::alteracoes() const {
  return conectada() ? banco_->getChanges() : 0;
}

bool Conexao::emTransacao() const {
  return conectada() && sqlite3_get_autocommit(banco_->getHandle()) == 0;
}
