#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <map>

#include "records/Campo.h"

class Conexao;

namespace SQLite {
class Statement;
}

// One table read into memory through its query, in the manner of the toolkit's datasets: a
// current row, browse/insert/edit states, an edit record posted through the table's modification
// statements, and hooks after open, post and delete. Grids read any row at random; the signals
// let a QAbstractTableModel follow the rows (begin/end pairs), and disableControls() holds them
// back until the matching enableControls(), which then announces one reset.
// No operation throws; a false result leaves the reason in ultimoErro().
class Conjunto : public QObject {
  Q_OBJECT

 public:
  enum class Estado { Inativo, Navegacao, Insercao, Edicao };

  // Row number that stands for the record being appended or edited.
  static constexpr int kRegistroEmEdicao = -1;

  // A hook returns an empty text on success, otherwise the reason it failed.
  using Gancho = std::function<QString(Conjunto&)>;
  // Value of a derived field for a row (or kRegistroEmEdicao).
  using Calculo = std::function<QVariant(const Conjunto&, int linha, const QString& campo)>;
  // Display text of one field, replacing the format-based one.
  using TextoDeExibicao = std::function<QString(const Conjunto&, const QVariant& valor)>;

  Conjunto(Conexao& conexao, DefinicaoConjunto definicao);
  ~Conjunto() override;

  const QString& nome() const { return definicao_.nome; }
  const QString& tabela() const { return definicao_.tabela; }
  const QVector<DefinicaoCampo>& campos() const { return definicao_.campos; }
  int quantidadeCampos() const { return static_cast<int>(definicao_.campos.size()); }
  // Case-insensitive, as column names are in SQLite; -1 when there is no such field.
  int indiceCampo(const QString& campo) const;
  // The table's own columns, in field order.
  QStringList colunasDaTabela() const;

  // Reading.
  [[nodiscard]] bool open();
  void close();  // discards a pending edit
  bool active() const { return estado_ != Estado::Inativo; }
  // Reads the rows again and returns to the row with the same key (or the same position).
  [[nodiscard]] bool refresh();
  Estado state() const { return estado_; }
  // Query parameters (":AVALIACAO"); they take effect at the next open or refresh.
  void definirParametro(const QString& parametro, const QVariant& valor);
  QVariant parametro(const QString& parametro) const;

  // Navigation. Moving away from a pending edit posts it when it changed anything, as the
  // toolkit does; if that post fails the current row stays.
  void first();
  void last();
  void next();
  void prior();
  bool eof() const { return eof_; }
  bool bof() const { return bof_; }
  bool isEmpty() const { return recordCount() == 0; }
  int recordCount() const;
  int recNo() const { return atual_; }  // 0-based; -1 when there is no row
  [[nodiscard]] bool moveTo(int linha);
  // Whole-value match; text compared ignoring case. Stays put when nothing matches.
  [[nodiscard]] bool locate(const QString& campo, const QVariant& valor);

  // Editing.
  [[nodiscard]] bool append();
  [[nodiscard]] bool edit();
  // Runs the insert or update statement; false, staying in edit, when it fails or when the
  // update finds no row as it was read. Then runs the after-post hook, whose failure is
  // reported too.
  [[nodiscard]] bool post();
  void cancel();
  // Deletes the current row (or discards an append); false when the row is no longer there as
  // it was read. Then runs the after-delete hook.
  [[nodiscard]] bool remove();
  bool modificado() const { return modificado_; }
  // Sets a field of the record being edited, converted to the field's kind.
  [[nodiscard]] bool definir(const QString& campo, const QVariant& valor);

  // Values of the current row (of the edit record while editing); NULL reads as an invalid
  // QVariant, 0, an empty text or an invalid date.
  QVariant valor(const QString& campo) const;
  QString texto(const QString& campo) const { return valor(campo).toString(); }
  qint64 inteiro(const QString& campo) const { return valor(campo).toLongLong(); }
  double real(const QString& campo) const { return valor(campo).toDouble(); }
  QDateTime dataHora(const QString& campo) const { return valor(campo).toDateTime(); }
  QByteArray binario(const QString& campo) const { return valor(campo).toByteArray(); }
  // The text grids and exports show.
  QString textoExibido(const QString& campo) const;

  // Random access for grid models; rows out of range give an invalid value and an empty text.
  QVariant valorNaLinha(int linha, int campo) const;
  QVariant valorNaLinha(int linha, const QString& campo) const;
  QString textoExibidoNaLinha(int linha, int campo) const;

  void disableControls();
  void enableControls();
  bool controlsDisabled() const { return bloqueios_ > 0; }

  // Set up by the data module.
  void definirAposAbrir(Gancho gancho) { aposAbrir_ = std::move(gancho); }
  void definirAposGravar(Gancho gancho) { aposGravar_ = std::move(gancho); }
  void definirAposExcluir(Gancho gancho) { aposExcluir_ = std::move(gancho); }
  void definirCalculo(Calculo calculo) { calculo_ = std::move(calculo); }
  void definirTextoDeExibicao(const QString& campo, TextoDeExibicao texto);

  QString ultimoErro() const { return erro_; }

 signals:
  void antesDeReiniciar();
  void reiniciado();
  void antesDeInserirLinhas(int primeira, int ultima);
  void linhasInseridas(int primeira, int ultima);
  void antesDeRemoverLinhas(int primeira, int ultima);
  void linhasRemovidas(int primeira, int ultima);
  void linhaAlterada(int linha);
  void linhaAtualMudou(int linha);
  // Entering or leaving edit, or a field of the edit record set.
  void edicaoAlterada();

 protected:
  // Storage of the table's own columns; `coluna` counts only those, in field order.
  virtual int linhasArmazenadas() const = 0;
  virtual QVariant lerArmazenado(int linha, int coluna) const = 0;
  virtual void limparArmazenamento() = 0;
  virtual void armazenarNoFim(const QVector<QVariant>& valores) = 0;
  virtual void substituirArmazenado(int linha, const QVector<QVariant>& valores) = 0;
  virtual void removerArmazenado(int linha) = 0;
  // Stores every row of an executed query; colunaDoResultado[c] is the result column of table
  // column c. May throw SQLite::Exception.
  virtual void carregar(SQLite::Statement& consulta, const QVector<int>& colunaDoResultado);

  TipoCampo tipoDaColuna(int coluna) const;
  Conexao& conexao() { return conexao_; }
  void registrarErro(const QString& erro) { erro_ = erro; }
  // Wraps a change that adds rows primeira..ultima with the notifications models need.
  void anunciarInsercao(int primeira, int ultima, const std::function<void()>& alterar);
  void anunciarReinicio(const std::function<void()>& alterar);

 private:
  bool avisar();
  bool ativoOuErro();
  [[nodiscard]] bool modoDeNavegacao();
  void posicionar(int linha, bool inicio, bool fim);
  [[nodiscard]] bool recarregar();
  QVariant valorDaColuna(int linha, int coluna) const;
  QVector<QVariant> linhaArmazenada(int linha) const;
  void vincularModificacao(SQLite::Statement& comando, const QVector<QVariant>& novos,
                           const QVector<QVariant>& antigos) const;
  [[nodiscard]] bool executarModificacao(const QString& sql, const QVector<QVariant>& novos,
                                         const QVector<QVariant>& antigos);
  [[nodiscard]] bool camposObrigatoriosPreenchidos();
  int encontrarChave(const QVector<QVariant>& chave) const;
  QVector<QVariant> chaveDaLinha(int linha) const;

  Conexao& conexao_;
  DefinicaoConjunto definicao_;
  QVector<int> colunaDoCampo_;  // per field: its table column, or -1 when derived
  QVector<int> campoDaColuna_;  // per table column: its field
  std::map<QString, QVariant> parametros_;
  std::map<int, TextoDeExibicao> textos_;
  Gancho aposAbrir_;
  Gancho aposGravar_;
  Gancho aposExcluir_;
  Calculo calculo_;

  Estado estado_ = Estado::Inativo;
  int atual_ = -1;
  bool bof_ = true;
  bool eof_ = true;
  QVector<QVariant> registro_;  // edit record
  bool modificado_ = false;
  int bloqueios_ = 0;
  bool pendente_ = false;
  QString erro_;
};
