#include "records/Conjunto.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <exception>
#include <set>

#include "records/Conexao.h"
#include "records/FormatoExibicao.h"
#include "records/ValoresSqlite.h"

namespace {

QString Erro(const std::exception& e) {
  return QString::fromUtf8(e.what());
}

bool Coincide(const QVariant& valor, const QVariant& procurado, TipoCampo tipo) {
  const bool valorNulo = !valor.isValid();
  const bool procuradoNulo = !procurado.isValid();
  if (valorNulo || procuradoNulo) return valorNulo == procuradoNulo;
  if (tipo == TipoCampo::Texto) {
    return valor.toString().compare(procurado.toString(), Qt::CaseInsensitive) == 0;
  }
  return valor == procurado;
}

}  // namespace

Conjunto::Conjunto(Conexao& conexao, DefinicaoConjunto definicao)
    : conexao_(conexao), definicao_(std::move(definicao)) {
  for (const DefinicaoCampo& campo : definicao_.campos) {
    if (campo.derivado) {
      colunaDoCampo_.append(-1);
    } else {
      colunaDoCampo_.append(static_cast<int>(campoDaColuna_.size()));
      campoDaColuna_.append(static_cast<int>(colunaDoCampo_.size()) - 1);
    }
  }
}

Conjunto::~Conjunto() = default;

int Conjunto::indiceCampo(const QString& campo) const {
  for (int i = 0; i < quantidadeCampos(); ++i) {
    if (definicao_.campos[i].nome.compare(campo, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

QStringList Conjunto::colunasDaTabela() const {
  QStringList colunas;
  for (int campo : campoDaColuna_) colunas.append(definicao_.campos[campo].nome);
  return colunas;
}

TipoCampo Conjunto::tipoDaColuna(int coluna) const {
  return definicao_.campos[campoDaColuna_[coluna]].tipo;
}

void Conjunto::definirTextoDeExibicao(const QString& campo, TextoDeExibicao texto) {
  const int indice = indiceCampo(campo);
  if (indice >= 0) textos_[indice] = std::move(texto);
}

void Conjunto::definirParametro(const QString& parametro, const QVariant& valor) {
  parametros_[parametro.toUpper()] = valor;
}

QVariant Conjunto::parametro(const QString& parametro) const {
  const auto achado = parametros_.find(parametro.toUpper());
  return achado == parametros_.end() ? QVariant() : achado->second;
}

// ---- notifications ----

bool Conjunto::avisar() {
  if (bloqueios_ == 0) return true;
  pendente_ = true;
  return false;
}

void Conjunto::disableControls() {
  ++bloqueios_;
}

void Conjunto::enableControls() {
  if (bloqueios_ == 0) return;
  if (--bloqueios_ > 0 || !pendente_) return;
  pendente_ = false;
  emit antesDeReiniciar();
  emit reiniciado();
  emit linhaAtualMudou(atual_);
  emit edicaoAlterada();
}

void Conjunto::anunciarInsercao(int primeira, int ultima, const std::function<void()>& alterar) {
  const bool avisando = avisar();
  if (avisando) emit antesDeInserirLinhas(primeira, ultima);
  alterar();
  if (avisando) emit linhasInseridas(primeira, ultima);
}

void Conjunto::anunciarReinicio(const std::function<void()>& alterar) {
  const bool avisando = avisar();
  if (avisando) emit antesDeReiniciar();
  alterar();
  if (avisando) emit reiniciado();
}

// ---- reading ----

void Conjunto::carregar(SQLite::Statement& consulta, const QVector<int>& colunaDoResultado) {
  const int colunas = static_cast<int>(colunaDoResultado.size());
  QVector<QVariant> valores(colunas);
  while (consulta.executeStep()) {
    for (int c = 0; c < colunas; ++c) {
      valores[c] =
          ValoresSqlite::LerColuna(consulta.getColumn(colunaDoResultado[c]), tipoDaColuna(c));
    }
    armazenarNoFim(valores);
  }
}

bool Conjunto::recarregar() {
  bool ok = true;
  anunciarReinicio([&] {
    limparArmazenamento();
    try {
      auto consulta = conexao_.novoComando(definicao_.selecao.toStdString());
      for (const auto& [parametro, valor] : parametros_) {
        const int indice = consulta->getIndex((":" + parametro).toUtf8().constData());
        if (indice > 0) ValoresSqlite::VincularParametro(*consulta, indice, valor);
      }
      // Fields are bound to the result by name, so a missing column fails here.
      QVector<int> colunaDoResultado;
      for (int campo : campoDaColuna_) {
        const QString& nome = definicao_.campos[campo].nome;
        int achada = -1;
        for (int r = 0; r < consulta->getColumnCount() && achada < 0; ++r) {
          if (nome.compare(QString::fromUtf8(consulta->getColumnName(r)), Qt::CaseInsensitive) ==
              0) {
            achada = r;
          }
        }
        if (achada < 0) {
          throw SQLite::Exception(QStringLiteral("Campo %1 não encontrado em %2.")
                                      .arg(nome, definicao_.tabela)
                                      .toStdString());
        }
        colunaDoResultado.append(achada);
      }
      carregar(*consulta, colunaDoResultado);
    } catch (const std::exception& e) {
      limparArmazenamento();
      erro_ = Erro(e);
      ok = false;
    }
  });
  return ok;
}

bool Conjunto::open() {
  if (active()) return true;
  if (!recarregar()) return false;
  estado_ = Estado::Navegacao;
  posicionar(isEmpty() ? -1 : 0, true, isEmpty());
  if (!aposAbrir_) return true;
  const QString falha = aposAbrir_(*this);
  if (!falha.isEmpty()) erro_ = falha;
  return falha.isEmpty();
}

void Conjunto::close() {
  if (!active()) return;
  cancel();
  anunciarReinicio([&] {
    limparArmazenamento();
    estado_ = Estado::Inativo;
  });
  posicionar(-1, true, true);
}

bool Conjunto::refresh() {
  if (!ativoOuErro() || !modoDeNavegacao()) return false;
  const QVector<QVariant> chave = chaveDaLinha(atual_);
  const int anterior = atual_;
  const bool ok = recarregar();
  int linha = encontrarChave(chave);
  if (linha < 0) linha = std::min(anterior, recordCount() - 1);
  if (linha < 0 && !isEmpty()) linha = 0;
  posicionar(linha, isEmpty(), isEmpty());
  return ok;
}

QVector<QVariant> Conjunto::chaveDaLinha(int linha) const {
  QVector<QVariant> chave;
  if (linha < 0 || linha >= recordCount()) return chave;
  for (const QString& campo : definicao_.chave) chave.append(valorNaLinha(linha, campo));
  return chave;
}

int Conjunto::encontrarChave(const QVector<QVariant>& chave) const {
  if (chave.isEmpty()) return -1;
  for (int linha = 0; linha < recordCount(); ++linha) {
    if (chaveDaLinha(linha) == chave) return linha;
  }
  return -1;
}

// ---- navigation ----

bool Conjunto::ativoOuErro() {
  if (active()) return true;
  erro_ = QStringLiteral("O conjunto %1 não está aberto.").arg(definicao_.nome);
  return false;
}

bool Conjunto::modoDeNavegacao() {
  if (estado_ != Estado::Insercao && estado_ != Estado::Edicao) return true;
  if (modificado_) return post();
  cancel();
  return true;
}

void Conjunto::posicionar(int linha, bool inicio, bool fim) {
  atual_ = linha;
  bof_ = inicio;
  eof_ = fim;
  if (avisar()) emit linhaAtualMudou(atual_);
}

int Conjunto::recordCount() const {
  return active() ? linhasArmazenadas() : 0;
}

void Conjunto::first() {
  if (!active() || !modoDeNavegacao()) return;
  posicionar(isEmpty() ? -1 : 0, true, isEmpty());
}

void Conjunto::last() {
  if (!active() || !modoDeNavegacao()) return;
  posicionar(recordCount() - 1, isEmpty(), true);
}

void Conjunto::next() {
  if (!active() || !modoDeNavegacao()) return;
  if (atual_ + 1 < recordCount()) {
    posicionar(atual_ + 1, false, false);
  } else {
    eof_ = true;
  }
}

void Conjunto::prior() {
  if (!active() || !modoDeNavegacao()) return;
  if (atual_ > 0) {
    posicionar(atual_ - 1, false, false);
  } else {
    bof_ = true;
  }
}

bool Conjunto::moveTo(int linha) {
  if (!ativoOuErro() || !modoDeNavegacao()) return false;
  if (linha < 0 || linha >= recordCount()) return false;
  posicionar(linha, false, false);
  return true;
}

bool Conjunto::locate(const QString& campo, const QVariant& valor) {
  if (!ativoOuErro() || !modoDeNavegacao()) return false;
  const int indice = indiceCampo(campo);
  if (indice < 0) {
    erro_ = QStringLiteral("Campo %1 não existe em %2.").arg(campo, definicao_.nome);
    return false;
  }
  const TipoCampo tipo = definicao_.campos[indice].tipo;
  QVariant procurado;
  if (!ValoresSqlite::Normalizar(valor, tipo, procurado)) return false;
  for (int linha = 0; linha < recordCount(); ++linha) {
    if (Coincide(valorNaLinha(linha, indice), procurado, tipo)) {
      posicionar(linha, false, false);
      return true;
    }
  }
  return false;
}

// ---- values ----

QVariant Conjunto::valorDaColuna(int linha, int coluna) const {
  if (linha == kRegistroEmEdicao) {
    return coluna < registro_.size() ? registro_[coluna] : QVariant();
  }
  if (linha < 0 || linha >= recordCount()) return QVariant();
  return lerArmazenado(linha, coluna);
}

QVector<QVariant> Conjunto::linhaArmazenada(int linha) const {
  QVector<QVariant> valores;
  for (int coluna = 0; coluna < campoDaColuna_.size(); ++coluna) {
    valores.append(valorDaColuna(linha, coluna));
  }
  return valores;
}

QVariant Conjunto::valorNaLinha(int linha, int campo) const {
  if (campo < 0 || campo >= quantidadeCampos()) return QVariant();
  if (linha != kRegistroEmEdicao && (linha < 0 || linha >= recordCount())) return QVariant();
  const int coluna = colunaDoCampo_[campo];
  if (coluna >= 0) return valorDaColuna(linha, coluna);
  return calculo_ ? calculo_(*this, linha, definicao_.campos[campo].nome) : QVariant();
}

QVariant Conjunto::valorNaLinha(int linha, const QString& campo) const {
  return valorNaLinha(linha, indiceCampo(campo));
}

QVariant Conjunto::valor(const QString& campo) const {
  const bool editando = estado_ == Estado::Insercao || estado_ == Estado::Edicao;
  return valorNaLinha(editando ? kRegistroEmEdicao : atual_, indiceCampo(campo));
}

QString Conjunto::textoExibidoNaLinha(int linha, int campo) const {
  if (campo < 0 || campo >= quantidadeCampos()) return QString();
  const QVariant valor = valorNaLinha(linha, campo);
  const auto proprio = textos_.find(campo);
  if (proprio != textos_.end()) return proprio->second(*this, valor);
  const DefinicaoCampo& definicao = definicao_.campos[campo];
  return FormatarParaExibicao(valor, definicao.tipo, definicao.formato);
}

QString Conjunto::textoExibido(const QString& campo) const {
  const bool editando = estado_ == Estado::Insercao || estado_ == Estado::Edicao;
  return textoExibidoNaLinha(editando ? kRegistroEmEdicao : atual_, indiceCampo(campo));
}

// ---- editing ----

bool Conjunto::append() {
  if (!ativoOuErro() || !modoDeNavegacao()) return false;
  registro_ = QVector<QVariant>(campoDaColuna_.size());
  estado_ = Estado::Insercao;
  modificado_ = false;
  if (avisar()) emit edicaoAlterada();
  return true;
}

bool Conjunto::edit() {
  if (!ativoOuErro()) return false;
  if (estado_ == Estado::Insercao || estado_ == Estado::Edicao) return true;
  if (atual_ < 0) {
    erro_ = QStringLiteral("O conjunto %1 está vazio.").arg(definicao_.nome);
    return false;
  }
  registro_ = linhaArmazenada(atual_);
  estado_ = Estado::Edicao;
  modificado_ = false;
  if (avisar()) emit edicaoAlterada();
  return true;
}

bool Conjunto::definir(const QString& campo, const QVariant& valor) {
  if (estado_ != Estado::Insercao && estado_ != Estado::Edicao) {
    erro_ = QStringLiteral("O conjunto %1 não está em edição.").arg(definicao_.nome);
    return false;
  }
  const int indice = indiceCampo(campo);
  if (indice < 0 || colunaDoCampo_[indice] < 0) {
    erro_ = QStringLiteral("Campo %1 não pode ser alterado em %2.").arg(campo, definicao_.nome);
    return false;
  }
  QVariant normalizado;
  if (!ValoresSqlite::Normalizar(valor, definicao_.campos[indice].tipo, normalizado)) {
    erro_ = QStringLiteral("Valor inválido para o campo %1.").arg(definicao_.campos[indice].nome);
    return false;
  }
  registro_[colunaDoCampo_[indice]] = normalizado;
  modificado_ = true;
  if (avisar()) emit edicaoAlterada();
  return true;
}

void Conjunto::cancel() {
  if (estado_ != Estado::Insercao && estado_ != Estado::Edicao) return;
  registro_.clear();
  estado_ = Estado::Navegacao;
  modificado_ = false;
  if (avisar()) emit edicaoAlterada();
}

bool Conjunto::camposObrigatoriosPreenchidos() {
  for (int coluna = 0; coluna < campoDaColuna_.size(); ++coluna) {
    const DefinicaoCampo& campo = definicao_.campos[campoDaColuna_[coluna]];
    if (campo.obrigatorio && !registro_[coluna].isValid()) {
      erro_ = QStringLiteral("O campo %1 precisa de um valor.").arg(campo.nome);
      return false;
    }
  }
  return true;
}

void Conjunto::vincularModificacao(SQLite::Statement& comando, const QVector<QVariant>& novos,
                                   const QVector<QVariant>& antigos) const {
  std::set<int> vinculados;
  for (int coluna = 0; coluna < campoDaColuna_.size(); ++coluna) {
    const QString& nome = definicao_.campos[campoDaColuna_[coluna]].nome;
    const TipoCampo tipo = tipoDaColuna(coluna);
    const int novo = comando.getIndex((":" + nome).toUtf8().constData());
    if (novo > 0) {
      ValoresSqlite::Vincular(comando, novo, novos[coluna], tipo);
      vinculados.insert(novo);
    }
    const int antigo = comando.getIndex((":OLD_" + nome).toUtf8().constData());
    if (antigo > 0) {
      ValoresSqlite::Vincular(comando, antigo, antigos[coluna], tipo);
      vinculados.insert(antigo);
    }
  }
  if (static_cast<int>(vinculados.size()) != comando.getBindParameterCount()) {
    throw SQLite::Exception("Parâmetro sem campo correspondente em " + comando.getQuery());
  }
}

bool Conjunto::executarModificacao(const QString& sql, const QVector<QVariant>& novos,
                                   const QVector<QVariant>& antigos) {
  try {
    conexao_.garantirTransacao();
    SQLite::Statement& comando = conexao_.preparado(sql.toStdString());
    vincularModificacao(comando, novos, antigos);
    if (comando.exec() == 0) {
      // The row is no longer as it was read: changed or removed since.
      erro_ = QStringLiteral("O registro foi alterado ou excluído desde que foi lido.");
      return false;
    }
    return true;
  } catch (const std::exception& e) {
    erro_ = Erro(e);
    return false;
  }
}

bool Conjunto::post() {
  if (estado_ != Estado::Insercao && estado_ != Estado::Edicao) {
    erro_ = QStringLiteral("O conjunto %1 não está em edição.").arg(definicao_.nome);
    return false;
  }
  if (!camposObrigatoriosPreenchidos()) return false;
  const bool inserindo = estado_ == Estado::Insercao;
  const QVector<QVariant> antigos = inserindo ? registro_ : linhaArmazenada(atual_);
  if (!executarModificacao(inserindo ? definicao_.insercao : definicao_.atualizacao, registro_,
                           antigos)) {
    return false;
  }
  const QVector<QVariant> gravado = registro_;
  registro_.clear();
  estado_ = Estado::Navegacao;
  modificado_ = false;
  if (inserindo) {
    const int nova = recordCount();
    anunciarInsercao(nova, nova, [&] { armazenarNoFim(gravado); });
    posicionar(nova, false, false);
  } else {
    substituirArmazenado(atual_, gravado);
    if (avisar()) emit linhaAlterada(atual_);
  }
  if (avisar()) emit edicaoAlterada();
  if (!aposGravar_) return true;
  const QString falha = aposGravar_(*this);
  if (!falha.isEmpty()) erro_ = falha;
  return falha.isEmpty();
}

bool Conjunto::remove() {
  if (!ativoOuErro()) return false;
  if (estado_ == Estado::Insercao) {
    cancel();
    return true;
  }
  cancel();
  if (atual_ < 0) {
    erro_ = QStringLiteral("O conjunto %1 está vazio.").arg(definicao_.nome);
    return false;
  }
  const QVector<QVariant> antigos = linhaArmazenada(atual_);
  if (!executarModificacao(definicao_.exclusao, antigos, antigos)) return false;
  const int removida = atual_;
  const bool avisando = avisar();
  if (avisando) emit antesDeRemoverLinhas(removida, removida);
  removerArmazenado(removida);
  if (avisando) emit linhasRemovidas(removida, removida);
  const int linha = std::min(removida, recordCount() - 1);
  posicionar(linha, isEmpty(), isEmpty());
  if (!aposExcluir_) return true;
  const QString falha = aposExcluir_(*this);
  if (!falha.isEmpty()) erro_ = falha;
  return falha.isEmpty();
}
