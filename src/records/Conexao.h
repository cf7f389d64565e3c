#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <map>
#include <memory>
#include <string>

namespace SQLite {
class Database;
class Statement;
}  // namespace SQLite

// The tables and columns a database must have to be used.
struct TabelaExigida {
  QString nome;
  QStringList colunas;
};

// The single SQLite connection. A transaction is always open while connected, so nothing written
// becomes permanent before commit(); disconnecting discards what no commit covered.
class Conexao {
 public:
  Conexao();
  ~Conexao();
  Conexao(const Conexao&) = delete;
  Conexao& operator=(const Conexao&) = delete;

  // Opens the file; a missing file (in an existing folder) is created with esquemaSql. An existing
  // file is only read here: it must hold every required table and column.
  [[nodiscard]] bool conectar(const QString& caminho, const QString& esquemaSql,
                              const QVector<TabelaExigida>& exigidas);
  // Rolls back what no commit covered and closes the file; false when the rollback failed (the
  // file is closed all the same).
  [[nodiscard]] bool desconectar();
  bool conectada() const { return banco_ != nullptr; }
  // After a failed conectar: the file opened, but what it holds is not this program's database
  // (not SQLite, or a required table or column missing), as opposed to a file that cannot be
  // opened at all.
  bool conteudoRecusado() const { return conteudoRecusado_; }

  // Makes the open transaction permanent and opens the next one.
  [[nodiscard]] bool commit();

  // For statements outside the datasets (maintenance, tests).
  [[nodiscard]] bool executar(const QString& sql);

  QString ultimoErro() const { return erro_; }

  // Internal to the datasets; these throw SQLite::Exception on failure.
  // A statement prepared once per connection, reset and with its bindings cleared.
  SQLite::Statement& preparado(const std::string& sql);
  // A fresh statement for a query the caller steps through to its end.
  std::unique_ptr<SQLite::Statement> novoComando(const std::string& sql);
  // Opens a transaction when the previous one ended without a new one starting.
  void garantirTransacao();
  int alteracoes() const;
  void registrarErro(const QString& erro) { erro_ = erro; }

 private:
  [[nodiscard]] bool validar(const QVector<TabelaExigida>& exigidas);
  [[nodiscard]] bool criarEsquema(const QString& esquemaSql);
  bool emTransacao() const;
  void fechar();

  std::unique_ptr<SQLite::Database> banco_;
  std::map<std::string, std::unique_ptr<SQLite::Statement>> preparados_;
  QString erro_;
  bool conteudoRecusado_ = false;
};
