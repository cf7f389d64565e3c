#include "Opcoes.h"

QString TextoDeAjuda() {
  return QStringLiteral(R"(Uso: brivana-sim [opcoes]

Simula um ou dois dispositivos de medicao das plataformas de forca em pseudo-terminais.
Cada porta e publicada como link simbolico para o terminal escravo na pasta de portas
virtuais, onde o programa a encontra e abre como uma porta serial (115200 8N2).

Portas
  --dispositivos N      1 ou 2 dispositivos (padrao 2); o dispositivo k fica na porta <nome>k
  --trocar              cabos trocados: dispositivo 2 na porta 1, dispositivo 1 na porta 2
                        (com um dispositivo so, ele fica na porta 2)
  --nome PREFIXO        nome dos links sem o numero (padrao ttySIM: ttySIM1, ttySIM2)
  --pasta DIR           pasta das portas virtuais, criada se faltar (padrao
                        $XDG_RUNTIME_DIR/brivana-sim; sem XDG_RUNTIME_DIR, /tmp/brivana-sim-<uid>)
  --codigo1 N           codigo que o dispositivo 1 responde a identificacao (padrao 111)
  --codigo2 N           codigo do dispositivo 2 (padrao 112)

Cenario (tempo do cenario: a amostra n da transmissao esta em n/600 s)
  --cenario NOME        quieto  em pe, parado (padrao)
                        cmj     salto com contramovimento
                        sj      salto agachado (squat jump)
                        dj      salto em profundidade: plataforma vazia, queda de uma caixa de
                                0,30 m no instante --inicio, salto de rebote
                        vazio   plataforma vazia
                        carga   carga de calibracao conhecida em cada plataforma
  --carga KG            carga de cada plataforma no cenario carga (padrao 20)
  --massa KG            massa corporal (padrao 70)
  --divisao F           fracao do corpo sobre o dispositivo 1 (padrao 0.5; um dispositivo leva tudo)
  --ruido KG            desvio padrao do ruido gaussiano por amostra e dispositivo
                        (padrao 0.05; 0 = sem ruido)
  --semente N           semente do ruido (padrao 1): mesma semente, mesmas contagens
  --zero C              contagem com a plataforma vazia (padrao 100000)
  --contagens-por-kg K  contagens por kg (padrao 1000); contagens limitadas a 0..16777215
  --inicio S            segundos apos o inicio da transmissao em que o movimento comeca
                        (padrao 3.0; antes: em pe parado, a janela da massa corporal)
  --taxa HZ             ritmo da transmissao em quadros por segundo (padrao 600, com prazos
                        absolutos no relogio monotono); 0 = tao rapido quanto a porta aceita.
                        Nao muda o tempo do cenario.

Falhas
  --lixo                bytes de lixo (nunca 0x0A) antes de cada quadro enviado
  --checksum-errado N   cada N-esimo quadro de amostra transmitido sai com checksum errado
  --perder N            cada N-esimo quadro de amostra transmitido nao e enviado
                        (o tempo do cenario avanca assim mesmo)
  --silencio            nunca responde nem transmite
  --sumir-apos S        S segundos (de relogio) apos o inicio da transmissao, fecha o
                        pseudo-terminal e remove o link: o dispositivo some no meio da coleta
  --acima-do-limite     zero elevado a 16100000: as contagens passam de 16000000

Modos de teste
  --bruto               sem protocolo: cada linha da entrada padrao e uma lista de bytes em
                        hexadecimal ("0A C0 D0 01 01 6F 70 0F"), com prefixo opcional "1:" ou "2:"
                        para o dispositivo (padrao 1), escrita tal qual na porta dele
  --eco                 fora do modo bruto, relata tambem os bytes recebidos
  --help, -h            esta ajuda

Comandos (fora do modo bruto, um por linha na entrada padrao; valem a partir da proxima
resposta, tanto para ler amostra quanto na transmissao)
  carga <d> <kg>        o dispositivo d (1 ou 2) passa a medir uma carga parada de kg quilos
                        (0 a 100000, ponto decimal): contagem = zero + kg x contagens-por-kg,
                        mais o ruido, no lugar do que o cenario mandaria
  carga <d> vazio       o mesmo com 0 kg: plataforma vazia
  cenario               todos os dispositivos voltam as cargas do proprio cenario
  falhar <d> <n>        a n-esima leitura de amostra pedida ao dispositivo d a partir de agora
                        fica sem resposta (uma leitura que falha no meio de uma medicao)

Protocolo (fora do modo bruto)
  Quadro: 0A, dois bytes ignorados, funcao, tamanho L, L bytes de dados, checksum (complemento
  de dois da soma de 8 bits dos bytes 1 a 4+L), 0F. Bytes que nao iniciam quadro sao pulados;
  um quadro com checksum ou fim errado e ignorado. Respostas com cabecalho C0 D0:
    1 identificar   funcao 1, um dado: o codigo
    2 configurar    funcao 2 sem dados (seis dados: 01, taxa u32 big-endian, modo; o modo fica
                    guardado); sem os seis dados, erro F1 com codigo 8
    3 iniciar       funcao 3 sem dados, depois quadros de amostra (funcao 4, contagem de 24 bits
                    big-endian) no ritmo de --taxa; o tempo do cenario comeca em 0 aqui
    4 ler amostra   uma amostra do cenario em repouso (parado, vazio ou carga), ou da carga
                    posta pelo comando carga
    6 encerrar      para a transmissao, sem resposta
    outra           erro F1 com codigo 7 (funcao invalida)
  Durante a transmissao, qualquer quadro recebido a encerra antes de ser tratado, e uma limpeza
  da porta pelo programa (tcflush, vista no modo pacote TIOCPKT) a encerra depois de 50 ms de
  transmissao, no lugar do DTR baixo de um dispositivo real, que o pseudo-terminal nao tem.
  Os bytes de cmdTP3 (54 50 A1 01 00 03 F5) nao formam quadro e sao ignorados.

Saida padrao (linhas, descarregada a cada linha)
  porta <k> <link> <escravo> dispositivo <d> codigo <c>
                        uma por porta: numero, nome do link na pasta, terminal escravo,
                        dispositivo ligado a ela e seu codigo
  verdade {json}        cenario, dispositivos, massa_kg, divisao, zero, contagens_por_kg,
                        inicio_s; nos saltos velocidade_decolagem_m_s, tempo_voo_s,
                        altura_salto_m (v^2/2g), instante_decolagem_s, instante_aterrissagem_s
                        (tempo do cenario), no dj instante_contato_s e velocidade_contato_m_s;
                        na carga carga_kg. A velocidade de decolagem e a integral pela regra do
                        trapezio, a 600 Hz, das forcas enviadas (sem ruido), partindo do repouso
                        (no dj, do contato com a velocidade da queda); g = 9,81
  pronto                portas publicadas; pode comecar
  rx <d>: <bytes hex>   bytes recebidos pelo dispositivo d (--bruto ou --eco)
  limpeza <d>           o programa limpou a porta do dispositivo d (--bruto ou --eco)
  coleta <d> inicio modo <m>
  coleta <d> fim <n>    a transmissao do dispositivo d comecou / parou depois de n amostras
  sumiu <d>             o dispositivo d sumiu (--sumir-apos)
  ok <linha>            o comando da linha foi aplicado
  erro <linha>          a linha nao e um comando valido (ou o dispositivo nao existe) e foi
                        ignorada
  Erros vao para a saida de erro. SIGTERM, SIGINT e SIGHUP encerram e removem os links; o fim
  da entrada padrao nao encerra.
)");
}
