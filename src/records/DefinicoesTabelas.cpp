#include "records/DefinicoesTabelas.h"

namespace {

DefinicaoCampo Campo(const char* nome, TipoCampo tipo, const QString& rotulo = {}, int largura = 0,
                     const char* formato = "") {
  DefinicaoCampo campo;
  campo.nome = QString::fromLatin1(nome);
  campo.tipo = tipo;
  campo.rotulo = rotulo;
  campo.largura = largura;
  campo.formato = QString::fromLatin1(formato);
  return campo;
}

DefinicaoCampo Derivado(const char* nome, TipoCampo tipo, const QString& rotulo = {},
                        int largura = 0, const char* formato = "") {
  DefinicaoCampo campo = Campo(nome, tipo, rotulo, largura, formato);
  campo.derivado = true;
  return campo;
}

DefinicaoCampo Amostra(const char* nome, const QString& rotulo) {
  return Campo(nome, TipoCampo::Real, rotulo, 0, "####0.00000");
}

constexpr TipoCampo kInteiro = TipoCampo::Inteiro;
constexpr TipoCampo kTexto = TipoCampo::Texto;
constexpr TipoCampo kDataHora = TipoCampo::DataHora;
constexpr TipoCampo kReal = TipoCampo::Real;

constexpr const char* kAvaliadosInsercao =
    "INSERT INTO AVALIADOS (Avaliado, Nome, Apelido, Nascimento, Sexo, Altura, Modalidade, "
    "Posicao, Observacao) VALUES (:Avaliado, :Nome, :Apelido, :Nascimento, :Sexo, :Altura, "
    ":Modalidade, :Posicao, :Observacao)";

constexpr const char* kAvaliadosAtualizacao =
    "UPDATE AVALIADOS SET Avaliado = :Avaliado, Nome = :Nome, Apelido = :Apelido, "
    "Nascimento = :Nascimento, Sexo = :Sexo, Altura = :Altura, Modalidade = :Modalidade, "
    "Posicao = :Posicao, Observacao = :Observacao WHERE AVALIADOS.Avaliado = :OLD_Avaliado";

constexpr const char* kAvaliadosExclusao =
    "DELETE FROM AVALIADOS WHERE AVALIADOS.Avaliado = :OLD_Avaliado";

constexpr const char* kGruposInsercao =
    "INSERT INTO GRUPOS (Grupo, Nome, Temporada, Observacao) VALUES (:Grupo, :Nome, "
    ":Temporada, :Observacao)";

constexpr const char* kGruposAtualizacao =
    "UPDATE GRUPOS SET Grupo = :Grupo, Nome = :Nome, Temporada = :Temporada, Observacao = "
    ":Observacao WHERE GRUPOS.Grupo = :OLD_Grupo";

constexpr const char* kGruposExclusao = "DELETE FROM GRUPOS WHERE GRUPOS.Grupo = :OLD_Grupo";

constexpr const char* kAvaliadoresInsercao =
    "INSERT INTO AVALIADORES (Avaliador, Nome, Observacao) VALUES (:Avaliador, :Nome, "
    ":Observacao)";

constexpr const char* kAvaliadoresAtualizacao =
    "UPDATE AVALIADORES SET Avaliador = :Avaliador, Nome = :Nome, Observacao = :Observacao "
    "WHERE AVALIADORES.Avaliador = :OLD_Avaliador AND ((AVALIADORES.Nome IS NULL AND "
    ":OLD_Nome IS NULL) OR (AVALIADORES.Nome = :OLD_Nome)) AND ((AVALIADORES.Observacao IS "
    "NULL AND :OLD_Observacao IS NULL) OR (AVALIADORES.Observacao = :OLD_Observacao))";

constexpr const char* kAvaliadoresExclusao =
    "DELETE FROM AVALIADORES WHERE AVALIADORES.Avaliador = :OLD_Avaliador AND "
    "((AVALIADORES.Nome IS NULL AND :OLD_Nome IS NULL) OR (AVALIADORES.Nome = :OLD_Nome)) "
    "AND ((AVALIADORES.Observacao IS NULL AND :OLD_Observacao IS NULL) OR "
    "(AVALIADORES.Observacao = :OLD_Observacao))";

constexpr const char* kLaboratorioInsercao =
    "INSERT INTO LABORATORIO (Nome, AvaliadorPadrao, RelLogo, RelMargemInf, RelRodape) "
    "VALUES (:Nome, :AvaliadorPadrao, :RelLogo, :RelMargemInf, :RelRodape)";

constexpr const char* kLaboratorioAtualizacao =
    "UPDATE LABORATORIO SET Nome = :Nome, AvaliadorPadrao = :AvaliadorPadrao, RelLogo = "
    ":RelLogo, RelMargemInf = :RelMargemInf, RelRodape = :RelRodape WHERE "
    "((LABORATORIO.Nome IS NULL AND :OLD_Nome IS NULL) OR (LABORATORIO.Nome = :OLD_Nome)) "
    "AND ((LABORATORIO.AvaliadorPadrao IS NULL AND :OLD_AvaliadorPadrao IS NULL) OR "
    "(LABORATORIO.AvaliadorPadrao = :OLD_AvaliadorPadrao)) AND ((LABORATORIO.RelLogo IS "
    "NULL AND :OLD_RelLogo IS NULL) OR (LABORATORIO.RelLogo = :OLD_RelLogo)) AND "
    "((LABORATORIO.RelMargemInf IS NULL AND :OLD_RelMargemInf IS NULL) OR "
    "(LABORATORIO.RelMargemInf = :OLD_RelMargemInf)) AND ((LABORATORIO.RelRodape IS NULL "
    "AND :OLD_RelRodape IS NULL) OR (LABORATORIO.RelRodape = :OLD_RelRodape))";

constexpr const char* kLaboratorioExclusao =
    "DELETE FROM LABORATORIO WHERE ((LABORATORIO.Nome IS NULL AND :OLD_Nome IS NULL) OR "
    "(LABORATORIO.Nome = :OLD_Nome)) AND ((LABORATORIO.AvaliadorPadrao IS NULL AND "
    ":OLD_AvaliadorPadrao IS NULL) OR (LABORATORIO.AvaliadorPadrao = :OLD_AvaliadorPadrao)) "
    "AND ((LABORATORIO.RelLogo IS NULL AND :OLD_RelLogo IS NULL) OR (LABORATORIO.RelLogo = "
    ":OLD_RelLogo)) AND ((LABORATORIO.RelMargemInf IS NULL AND :OLD_RelMargemInf IS NULL) "
    "OR (LABORATORIO.RelMargemInf = :OLD_RelMargemInf)) AND ((LABORATORIO.RelRodape IS NULL "
    "AND :OLD_RelRodape IS NULL) OR (LABORATORIO.RelRodape = :OLD_RelRodape))";

constexpr const char* kAvaliacoesInsercao =
    "INSERT INTO AVALIACOES (Avaliacao, Avaliado, Grupo, Data, Idade, Sexo, Peso, "
    "Avaliador, Exercicio, Observacao, LateralP1, LateralP2) VALUES (:Avaliacao, :Avaliado, "
    ":Grupo, :Data, :Idade, :Sexo, :Peso, :Avaliador, :Exercicio, :Observacao, :LateralP1, "
    ":LateralP2)";

constexpr const char* kAvaliacoesAtualizacao =
    "UPDATE AVALIACOES SET Avaliacao = :Avaliacao, Avaliado = :Avaliado, Grupo = :Grupo, "
    "Data = :Data, Idade = :Idade, Sexo = :Sexo, Peso = :Peso, Avaliador = :Avaliador, "
    "Exercicio = :Exercicio, Observacao = :Observacao, LateralP1 = :LateralP1, LateralP2 = "
    ":LateralP2 WHERE ((AVALIACOES.Avaliacao IS NULL AND :OLD_Avaliacao IS NULL) OR "
    "(AVALIACOES.Avaliacao = :OLD_Avaliacao))";

constexpr const char* kAvaliacoesExclusao =
    "DELETE FROM AVALIACOES WHERE ((AVALIACOES.Avaliacao IS NULL AND :OLD_Avaliacao IS "
    "NULL) OR (AVALIACOES.Avaliacao = :OLD_Avaliacao))";

constexpr const char* kAvaliacoesDadosInsercao =
    "INSERT INTO AVALIACOESDADOS (Avaliacao, SeqAmostra, Tempo, Forca1N, Forca2N, Forca3N, "
    "ForcaKGF, ForcaResultante, Aceleracao, Velocidade, PosicaoM, PosicaoCM, PotenciaW, "
    "Gravidade) VALUES (:Avaliacao, :SeqAmostra, :Tempo, :Forca1N, :Forca2N, :Forca3N, "
    ":ForcaKGF, :ForcaResultante, :Aceleracao, :Velocidade, :PosicaoM, :PosicaoCM, "
    ":PotenciaW, :Gravidade)";

constexpr const char* kAvaliacoesDadosAtualizacao =
    "UPDATE AVALIACOESDADOS SET Avaliacao = :Avaliacao, SeqAmostra = :SeqAmostra, Tempo = "
    ":Tempo, Forca1N = :Forca1N, Forca2N = :Forca2N, Forca3N = :Forca3N, ForcaKGF = "
    ":ForcaKGF, ForcaResultante = :ForcaResultante, Aceleracao = :Aceleracao, Velocidade = "
    ":Velocidade, PosicaoM = :PosicaoM, PosicaoCM = :PosicaoCM, PotenciaW = :PotenciaW, "
    "Gravidade = :Gravidade WHERE ((AVALIACOESDADOS.Avaliacao IS NULL AND :OLD_Avaliacao IS "
    "NULL) OR (AVALIACOESDADOS.Avaliacao = :OLD_Avaliacao)) AND "
    "((AVALIACOESDADOS.SeqAmostra IS NULL AND :OLD_SeqAmostra IS NULL) OR "
    "(AVALIACOESDADOS.SeqAmostra = :OLD_SeqAmostra))";

constexpr const char* kAvaliacoesDadosExclusao =
    "DELETE FROM AVALIACOESDADOS WHERE ((AVALIACOESDADOS.Avaliacao IS NULL AND "
    ":OLD_Avaliacao IS NULL) OR (AVALIACOESDADOS.Avaliacao = :OLD_Avaliacao)) AND "
    "((AVALIACOESDADOS.SeqAmostra IS NULL AND :OLD_SeqAmostra IS NULL) OR "
    "(AVALIACOESDADOS.SeqAmostra = :OLD_SeqAmostra))";

}  // namespace

DefinicaoConjunto DefinicaoAvaliados() {
  return {
      QStringLiteral("qAvaliados"),
      QStringLiteral("AVALIADOS"),
      {Campo("Avaliado", kInteiro), Campo("Nome", kTexto, {}, 50), Campo("Apelido", kTexto, {}, 15),
       Campo("Nascimento", kDataHora, {}, 10), Campo("Sexo", kTexto, {}, 10),
       Campo("Altura", kReal), Campo("Modalidade", kTexto, {}, 50),
       Campo("Posicao", kTexto, QStringLiteral("Posição"), 50),
       Campo("Observacao", kTexto, QStringLiteral("Observação"))},
      {QStringLiteral("Avaliado")},
      QStringLiteral("select * from AVALIADOS order by AVALIADO"),
      QString::fromUtf8(kAvaliadosInsercao),
      QString::fromUtf8(kAvaliadosAtualizacao),
      QString::fromUtf8(kAvaliadosExclusao)};
}

DefinicaoConjunto DefinicaoGrupos() {
  return {
      QStringLiteral("qGrupos"),
      QStringLiteral("GRUPOS"),
      {Campo("Grupo", kInteiro), Campo("Nome", kTexto, {}, 50), Campo("Temporada", kTexto, {}, 50),
       Campo("Observacao", kTexto, QStringLiteral("Observação"))},
      {QStringLiteral("Grupo")},
      QStringLiteral("select * from GRUPOS order by GRUPO"),
      QString::fromUtf8(kGruposInsercao),
      QString::fromUtf8(kGruposAtualizacao),
      QString::fromUtf8(kGruposExclusao)};
}

DefinicaoConjunto DefinicaoAvaliacoes() {
  return {QStringLiteral("qAvaliacoes"),
          QStringLiteral("AVALIACOES"),
          {Campo("Avaliacao", kInteiro, QStringLiteral("Amostragem"), 9, "####0"),
           Campo("Avaliado", kInteiro, {}, 10),
           Derivado("NomeAvaliado", kTexto, QStringLiteral("Avaliado")),
           Derivado("Apelido", kTexto, {}, 15),
           Derivado("Modalidade", kTexto),
           Derivado("Posicao", kTexto, QStringLiteral("Posição"), 15),
           Campo("Grupo", kInteiro),
           Derivado("NomeGrupo", kTexto, QStringLiteral("Grupo"), 15),
           Derivado("Temporada", kTexto),
           Campo("Data", kDataHora, {}, 10, "dd/mm/yyyy"),
           Campo("Idade", kInteiro, {}, 5, "##0"),
           Campo("Sexo", kTexto, {}, 12),
           Campo("Peso", kReal, QStringLiteral("Massa Corporal"), 5, "##0.0"),
           Derivado("Altura", kReal, {}, 5, "0.00"),
           Campo("Avaliador", kTexto, {}, 20),
           Derivado("NomeAvaliador", kTexto, QStringLiteral("Avaliador"), 50),
           Derivado("Laboratorio", kTexto, QStringLiteral("Laboratório"), 50),
           Campo("Observacao", kTexto, QStringLiteral("Observações")),
           Campo("Exercicio", kTexto, QStringLiteral("Exercício")),
           Campo("LateralP1", kTexto),
           Campo("LateralP2", kTexto)},
          {QStringLiteral("Avaliacao")},
          QStringLiteral("select * from AVALIACOES order by AVALIACAO"),
          QString::fromUtf8(kAvaliacoesInsercao),
          QString::fromUtf8(kAvaliacoesAtualizacao),
          QString::fromUtf8(kAvaliacoesExclusao)};
}

DefinicaoConjunto DefinicaoAvaliacoesDados() {
  DefinicaoCampo sequencia = Campo("SeqAmostra", kInteiro, QStringLiteral("Amostra"), 5, "####0");
  sequencia.obrigatorio = true;
  return {
      QStringLiteral("qAvaliacoesDados"),
      QStringLiteral("AVALIACOESDADOS"),
      {Campo("Avaliacao", kInteiro, QStringLiteral("Avaliação")), sequencia,
       Campo("Tempo", kReal, {}, 0, "##0.000"), Amostra("Forca1N", QStringLiteral("Força 1 (N)")),
       Amostra("Forca2N", QStringLiteral("Força 2 (N)")),
       Amostra("Forca3N", QStringLiteral("Força 3 (N)")),
       Amostra("ForcaKGF", QStringLiteral("Força 3 (kgf)")),
       Amostra("ForcaResultante", QStringLiteral("Força Resultante (N)")),
       Amostra("Aceleracao", QStringLiteral("Aceleração (m/s^2)")),
       Amostra("Velocidade", QStringLiteral("Velocidade (m/s)")),
       Amostra("PosicaoM", QStringLiteral("Posição (m)")),
       Amostra("PosicaoCM", QStringLiteral("Posição (cm)")),
       Amostra("PotenciaW", QStringLiteral("Potência (W)")),
       Amostra("Gravidade", QStringLiteral("Gravidade (g)"))},
      {QStringLiteral("Avaliacao"), QStringLiteral("SeqAmostra")},
      QStringLiteral("select * from AVALIACOESDADOS where AVALIACAO = :AVALIACAO"),
      QString::fromUtf8(kAvaliacoesDadosInsercao),
      QString::fromUtf8(kAvaliacoesDadosAtualizacao),
      QString::fromUtf8(kAvaliacoesDadosExclusao)};
}

DefinicaoConjunto DefinicaoLaboratorio() {
  return {QStringLiteral("qLaboratorio"),
          QStringLiteral("LABORATORIO"),
          {Campo("Nome", kTexto), Campo("AvaliadorPadrao", kInteiro),
           Campo("RelLogo", TipoCampo::Binario), Campo("RelMargemInf", kReal),
           Campo("RelRodape", kTexto), Derivado("NomeAvaliadorPadrao", kTexto)},
          {},
          QStringLiteral("select * from LABORATORIO"),
          QString::fromUtf8(kLaboratorioInsercao),
          QString::fromUtf8(kLaboratorioAtualizacao),
          QString::fromUtf8(kLaboratorioExclusao)};
}

DefinicaoConjunto DefinicaoAvaliadores() {
  return {QStringLiteral("qAvaliadores"),
          QStringLiteral("AVALIADORES"),
          {Campo("Avaliador", kInteiro), Campo("Nome", kTexto, {}, 50),
           Campo("Observacao", kTexto, QStringLiteral("Observação"))},
          {QStringLiteral("Avaliador")},
          QStringLiteral("select * from AVALIADORES order by AVALIADOR"),
          QString::fromUtf8(kAvaliadoresInsercao),
          QString::fromUtf8(kAvaliadoresAtualizacao),
          QString::fromUtf8(kAvaliadoresExclusao)};
}
