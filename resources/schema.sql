-- Brivana database, layout version 1008. Created whole when the database file does not exist.
-- Date-times are ISO-8601 text ("yyyy-MM-ddTHH:mm:ss.zzz"); text is UTF-8.

CREATE TABLE AVALIADOS (
  Avaliado INTEGER PRIMARY KEY,
  Nome TEXT,
  Apelido TEXT,
  Nascimento TEXT,
  Sexo TEXT,
  Altura REAL,
  Modalidade TEXT,
  Posicao TEXT,
  Observacao TEXT
);

CREATE TABLE GRUPOS (
  Grupo INTEGER PRIMARY KEY,
  Nome TEXT,
  Temporada TEXT,
  Observacao TEXT
);

CREATE TABLE AVALIADORES (
  Avaliador INTEGER PRIMARY KEY,
  Nome TEXT,
  Observacao TEXT
);

-- One row at most is used; it has no key.
CREATE TABLE LABORATORIO (
  Nome TEXT,
  AvaliadorPadrao INTEGER,
  RelLogo BLOB,
  RelMargemInf REAL,
  RelRodape TEXT
);

CREATE TABLE AVALIACOES (
  Avaliacao INTEGER PRIMARY KEY,
  Avaliado INTEGER,
  Grupo INTEGER,
  Data TEXT,
  Idade INTEGER,
  Sexo TEXT,
  Peso REAL,
  Avaliador TEXT,
  Exercicio TEXT,
  Observacao TEXT,
  LateralP1 TEXT,
  LateralP2 TEXT
);

-- Up to 144000 rows per trial, always read and removed by trial: clustered on the key.
CREATE TABLE AVALIACOESDADOS (
  Avaliacao INTEGER NOT NULL,
  SeqAmostra INTEGER NOT NULL,
  Tempo REAL,
  Forca1N REAL,
  Forca2N REAL,
  Forca3N REAL,
  ForcaKGF REAL,
  ForcaResultante REAL,
  Aceleracao REAL,
  Velocidade REAL,
  PosicaoM REAL,
  PosicaoCM REAL,
  PotenciaW REAL,
  Gravidade REAL,
  PRIMARY KEY (Avaliacao, SeqAmostra)
) WITHOUT ROWID;
