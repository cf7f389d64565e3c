#include "Simulador.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>

#include "Comando.h"
#include "Saida.h"

Simulador::Simulador(const Opcoes& opcoes) : opcoes_(opcoes), cenario_(opcoes.cenario) {}

Simulador::~Simulador() = default;

bool Simulador::publicarPortas() {
  if (!QDir().mkpath(opcoes_.pasta)) {
    EscreverErro("nao foi possivel criar a pasta " + opcoes_.pasta.toStdString());
    return false;
  }
  // Device k on port k; swapped cables put device 2 on port 1. A single device behind swapped
  // cables sits on port 2.
  std::vector<std::pair<int, int>> ligacoes;  // port, device
  if (opcoes_.dispositivos == 1)
    ligacoes = {{opcoes_.trocar ? 2 : 1, 1}};
  else if (opcoes_.trocar)
    ligacoes = {{1, 2}, {2, 1}};
  else
    ligacoes = {{1, 1}, {2, 2}};
  for (const auto& [numeroPorta, numeroDispositivo] : ligacoes) {
    const QString link = opcoes_.pasta + '/' + opcoes_.nome + QString::number(numeroPorta);
    std::string erro;
    auto porta = PortaVirtual::Criar(link.toStdString(), erro);
    if (!porta) {
      EscreverErro(erro);
      return false;
    }
    portas_.push_back(
        std::make_unique<Dispositivo>(numeroDispositivo, std::move(porta), cenario_, opcoes_));
    numerosDasPortas_.push_back(numeroPorta);
  }
  return true;
}

void Simulador::anunciar() const {
  for (std::size_t i = 0; i < portas_.size(); ++i) {
    const Dispositivo& d = *portas_[i];
    const std::string numeroPorta = std::to_string(numerosDasPortas_[i]);
    EscreverLinha("porta " + numeroPorta + ' ' + opcoes_.nome.toStdString() + numeroPorta + ' ' +
                  d.porta().escravo() + " dispositivo " + std::to_string(d.numero()) + " codigo " +
                  std::to_string(d.codigo()));
  }

  const ParametrosCenario& p = cenario_.parametros();
  QJsonObject verdade{
      {"cenario", opcoes_.nomeDoCenario},
      {"dispositivos", p.dispositivos},
      {"massa_kg", p.massaKg},
      {"divisao", p.dispositivos == 1 ? 1.0 : p.divisao},
      {"zero", p.zero},
      {"contagens_por_kg", p.contagensPorKg},
      {"inicio_s",
       double(std::llround(p.inicioS * salto::kAmostrasPorSegundo)) / salto::kAmostrasPorSegundo},
  };
  if (p.tipo == TipoCenario::Carga) verdade.insert("carga_kg", p.cargaKg);
  if (const auto& s = cenario_.salto()) {
    verdade.insert("velocidade_decolagem_m_s", s->velocidadeDecolagem);
    verdade.insert("tempo_voo_s", s->tempoVoo);
    verdade.insert("altura_salto_m", s->alturaSalto);
    verdade.insert("instante_decolagem_s", s->instanteDecolagem);
    verdade.insert("instante_aterrissagem_s", s->instanteAterrissagem);
    if (p.tipo == TipoCenario::Dj) {
      verdade.insert("instante_contato_s", s->instanteContato);
      verdade.insert("velocidade_contato_m_s", s->velocidadeContato);
    }
  }
  EscreverLinha("verdade " + QJsonDocument(verdade).toJson(QJsonDocument::Compact).toStdString());
  EscreverLinha("pronto");
}

Dispositivo* Simulador::dispositivo(int numero) {
  for (auto& d : portas_)
    if (d->numero() == numero) return d.get();
  return nullptr;
}

void Simulador::tratarLinha(const std::string& linha) {
  if (opcoes_.bruto)
    escreverLinhaBruta(linha);
  else
    executarComando(linha);
}

void Simulador::escreverLinhaBruta(const std::string& linha) {
  std::string bytes = linha;
  int numero = 1;
  const auto doisPontos = linha.find(':');
  if (doisPontos != std::string::npos) {
    const QString prefixo = QString::fromStdString(linha.substr(0, doisPontos)).trimmed();
    bool ok = false;
    numero = prefixo.toInt(&ok);
    if (!ok) numero = 0;
    bytes = linha.substr(doisPontos + 1);
  }
  const auto conteudo = quadro::LerHexadecimal(bytes);
  Dispositivo* destino = dispositivo(numero);
  if (!conteudo || !destino) {
    EscreverErro("linha ignorada: " + linha);
    return;
  }
  destino->escreverBruto(*conteudo);
}

// Answered on standard output, so a test can wait for its command to hold before it reads.
void Simulador::executarComando(const std::string& linha) {
  const auto comando = LerComando(linha);
  if (!comando || (comando->dispositivo != 0 && !dispositivo(comando->dispositivo))) {
    EscreverLinha("erro " + linha);
    return;
  }
  for (auto& d : portas_)
    if (comando->dispositivo == 0 || d->numero() == comando->dispositivo) {
      if (comando->falharLeitura > 0)
        d->falharLeitura(comando->falharLeitura);
      else
        d->definirCarga(comando->cargaKg);
    }
  EscreverLinha("ok " + linha);
}

void Simulador::lerEntrada() {
  char buffer[4096];
  const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
  if (n <= 0) {
    // The end of the input is no reason to stop: the ports stay up until a signal. A read
    // error (a background job's terminal, say) ends the input the same way.
    entradaAberta_ = false;
    entrada_ += '\n';
  } else {
    entrada_.append(buffer, std::size_t(n));
  }
  std::size_t fim;
  while ((fim = entrada_.find('\n')) != std::string::npos) {
    std::string linha = entrada_.substr(0, fim);
    entrada_.erase(0, fim + 1);
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    if (linha.find_first_not_of(" \t") != std::string::npos) tratarLinha(linha);
  }
}

int Simulador::executar() {
  sigset_t sinais;
  sigemptyset(&sinais);
  sigaddset(&sinais, SIGINT);
  sigaddset(&sinais, SIGTERM);
  sigaddset(&sinais, SIGHUP);
  sigprocmask(SIG_BLOCK, &sinais, nullptr);
  signal(SIGPIPE, SIG_IGN);
  // Started in the background of a shell, reading the terminal must fail rather than stop us.
  signal(SIGTTIN, SIG_IGN);
  const int descritorSinais = signalfd(-1, &sinais, SFD_CLOEXEC);
  if (descritorSinais < 0) {
    EscreverErro("signalfd falhou");
    return 1;
  }
  if (!publicarPortas()) return 1;
  anunciar();

  std::vector<pollfd> espera;
  std::vector<Dispositivo*> donos;
  for (;;) {
    const std::int64_t agora = AgoraNs();
    std::int64_t proximo = -1;
    for (auto& d : portas_) {
      const std::int64_t quando = d->avancar(agora);
      if (quando >= 0 && (proximo < 0 || quando < proximo)) proximo = quando;
    }

    espera.assign(1, pollfd{descritorSinais, POLLIN, 0});
    donos.assign(1, nullptr);
    if (entradaAberta_) {
      espera.push_back(pollfd{STDIN_FILENO, POLLIN, 0});
      donos.push_back(nullptr);
    }
    for (auto& d : portas_) {
      const int fd = d->descritor(agora);
      if (fd < 0) continue;
      espera.push_back(pollfd{fd, d->eventos(), 0});
      donos.push_back(d.get());
    }
    timespec limite{};
    timespec* prazo = nullptr;
    if (proximo >= 0) {
      const std::int64_t resta = std::max<std::int64_t>(0, proximo - AgoraNs());
      limite.tv_sec = resta / 1000000000;
      limite.tv_nsec = resta % 1000000000;
      prazo = &limite;
    }
    if (ppoll(espera.data(), espera.size(), prazo, nullptr) < 0) {
      if (errno == EINTR) continue;
      EscreverErro("ppoll falhou");
      return 1;
    }
    if (espera[0].revents & POLLIN) return 0;
    const std::int64_t depois = AgoraNs();
    for (std::size_t i = 1; i < espera.size(); ++i) {
      if (espera[i].revents == 0) continue;
      if (donos[i])
        donos[i]->aoEvento(espera[i].revents, depois);
      else
        lerEntrada();
    }
  }
}
