#include "records/ConjuntoAmostras.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <array>
#include <exception>

#include "records/Conexao.h"

namespace {

constexpr int kColunas = 14;
constexpr int kPrimeiraReal = 2;

// Columns 2 to 13, in table order.
constexpr std::array<double RegistroAmostra::*, kColunas - kPrimeiraReal> kReais = {
    &RegistroAmostra::Tempo,      &RegistroAmostra::Forca1N,    &RegistroAmostra::Forca2N,
    &RegistroAmostra::Forca3N,    &RegistroAmostra::ForcaKGF,   &RegistroAmostra::ForcaResultante,
    &RegistroAmostra::Aceleracao, &RegistroAmostra::Velocidade, &RegistroAmostra::PosicaoM,
    &RegistroAmostra::PosicaoCM,  &RegistroAmostra::PotenciaW,  &RegistroAmostra::Gravidade};

constexpr const char* kInsercaoPosicional =
    "INSERT INTO AVALIACOESDADOS (Avaliacao, SeqAmostra, Tempo, Forca1N, Forca2N, Forca3N, "
    "ForcaKGF, ForcaResultante, Aceleracao, Velocidade, PosicaoM, PosicaoCM, PotenciaW, "
    "Gravidade) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

constexpr const char* kExclusaoDaAvaliacao = "DELETE FROM AVALIACOESDADOS WHERE Avaliacao = ?";

qint64& Inteiro(RegistroAmostra& r, int coluna) {
  return coluna == 0 ? r.Avaliacao : r.SeqAmostra;
}

}  // namespace

ConjuntoAmostras::ConjuntoAmostras(Conexao& conexao, DefinicaoConjunto definicao)
    : Conjunto(conexao, std::move(definicao)) {
  Q_ASSERT(colunasDaTabela().size() == kColunas);
}

QVariant ConjuntoAmostras::lerArmazenado(int linha, int coluna) const {
  const Linha& l = linhas_[linha];
  if (l.nulos & (1u << coluna)) return QVariant();
  if (coluna < kPrimeiraReal) {
    return QVariant::fromValue<qlonglong>(coluna == 0 ? l.valores.Avaliacao : l.valores.SeqAmostra);
  }
  return l.valores.*kReais[coluna - kPrimeiraReal];
}

ConjuntoAmostras::Linha ConjuntoAmostras::paraLinha(const QVector<QVariant>& valores) {
  Linha l;
  for (int coluna = 0; coluna < kColunas; ++coluna) {
    const QVariant& valor = valores[coluna];
    if (!valor.isValid()) {
      l.nulos |= static_cast<std::uint16_t>(1u << coluna);
    } else if (coluna < kPrimeiraReal) {
      Inteiro(l.valores, coluna) = valor.toLongLong();
    } else {
      l.valores.*kReais[coluna - kPrimeiraReal] = valor.toDouble();
    }
  }
  return l;
}

void ConjuntoAmostras::armazenarNoFim(const QVector<QVariant>& valores) {
  linhas_.push_back(paraLinha(valores));
}

void ConjuntoAmostras::substituirArmazenado(int linha, const QVector<QVariant>& valores) {
  linhas_[linha] = paraLinha(valores);
}

void ConjuntoAmostras::carregar(SQLite::Statement& consulta,
                                const QVector<int>& colunaDoResultado) {
  while (consulta.executeStep()) {
    Linha l;
    for (int coluna = 0; coluna < kColunas; ++coluna) {
      const SQLite::Column valor = consulta.getColumn(colunaDoResultado[coluna]);
      if (valor.isNull()) {
        l.nulos |= static_cast<std::uint16_t>(1u << coluna);
      } else if (coluna < kPrimeiraReal) {
        Inteiro(l.valores, coluna) = valor.getInt64();
      } else {
        l.valores.*kReais[coluna - kPrimeiraReal] = valor.getDouble();
      }
    }
    linhas_.push_back(l);
  }
}

RegistroAmostra ConjuntoAmostras::amostra(int linha) const {
  if (linha < 0 || linha >= recordCount()) return {};
  return linhas_[linha].valores;
}

bool ConjuntoAmostras::acrescentarLote(std::span<const RegistroAmostra> amostras,
                                       const Progresso& progresso) {
  if (!active() || state() != Estado::Navegacao) {
    registrarErro(QStringLiteral("O conjunto %1 não está aberto para gravação.").arg(nome()));
    return false;
  }
  Conexao& banco = conexao();
  try {
    banco.garantirTransacao();
    banco.preparado("SAVEPOINT lote_de_amostras").exec();
    try {
      SQLite::Statement& insercao = banco.preparado(kInsercaoPosicional);
      qsizetype gravadas = 0;
      for (const RegistroAmostra& a : amostras) {
        insercao.reset();
        insercao.bind(1, static_cast<int64_t>(a.Avaliacao));
        insercao.bind(2, static_cast<int64_t>(a.SeqAmostra));
        for (int i = 0; i < static_cast<int>(kReais.size()); ++i)
          insercao.bind(3 + i, a.*kReais[i]);
        insercao.exec();
        if (progresso) progresso(++gravadas);
      }
      banco.preparado("RELEASE lote_de_amostras").exec();
    } catch (...) {
      // Keeps the open transaction (and what it held before this call) as it was.
      banco.preparado("ROLLBACK TO lote_de_amostras").tryExecuteStep();
      banco.preparado("RELEASE lote_de_amostras").tryExecuteStep();
      throw;
    }
  } catch (const std::exception& e) {
    registrarErro(QString::fromUtf8(e.what()));
    return false;
  }
  const QVariant carregada = parametro(QStringLiteral("AVALIACAO"));
  if (!carregada.isValid()) return true;
  std::vector<Linha> daAvaliacao;
  for (const RegistroAmostra& a : amostras) {
    if (a.Avaliacao == carregada.toLongLong()) daAvaliacao.push_back({a, 0});
  }
  if (!daAvaliacao.empty()) {
    const int primeira = recordCount();
    anunciarInsercao(primeira, primeira + static_cast<int>(daAvaliacao.size()) - 1, [&] {
      linhas_.insert(linhas_.end(), daAvaliacao.begin(), daAvaliacao.end());
    });
  }
  return true;
}

bool ConjuntoAmostras::excluirTodas() {
  if (!active() || state() != Estado::Navegacao) {
    registrarErro(QStringLiteral("O conjunto %1 não está aberto para exclusão.").arg(nome()));
    return false;
  }
  const QVariant avaliacao = parametro(QStringLiteral("AVALIACAO"));
  if (!avaliacao.isValid()) return true;
  try {
    conexao().garantirTransacao();
    SQLite::Statement& exclusao = conexao().preparado(kExclusaoDaAvaliacao);
    exclusao.bind(1, static_cast<int64_t>(avaliacao.toLongLong()));
    exclusao.exec();
  } catch (const std::exception& e) {
    registrarErro(QString::fromUtf8(e.what()));
    return false;
  }
  anunciarReinicio([&] { linhas_.clear(); });
  first();
  return true;
}
