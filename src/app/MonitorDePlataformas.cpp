#include "app/MonitorDePlataformas.h"

#include <QThread>

#include <tuple>
#include <utility>

#include "app/ArquivoConfiguracao.h"

namespace {

int Outra(int numero) {
  return numero == 1 ? 2 : 1;
}

}  // namespace

MonitorDePlataformas::MonitorDePlataformas(ParametrosPlataformas& parametros,
                                           QString arquivoConfiguracao)
    : parametros_(parametros), arquivoConfiguracao_(std::move(arquivoConfiguracao)) {}

MonitorDePlataformas::~MonitorDePlataformas() {
  FecharPorta(link(1));
  FecharPorta(link(2));
}

void MonitorDePlataformas::contarFalha(int numero) {
  if (falhas(numero) < 255) ++falhas(numero);
}

void MonitorDePlataformas::AtualizarPortas() {
  ListaPortas = PortasOrdenadas(ListarPortasSeriais());
  NumPortas = static_cast<std::uint8_t>(std::min<qsizetype>(ListaPortas.size(), 255));
}

std::optional<ResultadoVerificacao> MonitorDePlataformas::Verificar() {
  if (LocalizandoPortas) return std::nullopt;
  AtualizarPortas();
  ResultadoVerificacao resultado;
  std::array<bool, 2> semPorta{};
  if (NumPortas == 0) {
    resultado.rotulo = {QStringLiteral("Sem COM"), QStringLiteral("Sem COM")};
    contarFalha(1);
    contarFalha(2);
  } else {
    resultado.portasEncontradas = true;
    VerificarPlataforma(1, resultado, semPorta);
    VerificarPlataforma(2, resultado, semPorta);
  }
  for (int n = 1; n <= 2; ++n) {
    ParametrosPlataforma& p = parametros_.plataforma(n);
    if (falhas(n) > 0 || semPorta[n - 1]) {
      resultado.lampada[n - 1] = EstadoLampada::Vermelho;
      identificada(n) = false;
      p.HardCOM.clear();
      if (semPorta[n - 1]) resultado.rotulo[n - 1] = QStringLiteral("Sem COM");
    } else {
      resultado.lampada[n - 1] = p.Ativa ? EstadoLampada::Verde : EstadoLampada::Preto;
    }
  }
  return resultado;
}

void MonitorDePlataformas::VerificarPlataforma(int n, ResultadoVerificacao& resultado,
                                               std::array<bool, 2>& semPorta) {
  const ParametrosPlataforma& p = parametros_.plataforma(n);
  const int outra = Outra(n);
  if (!p.Ativa) {
    resultado.rotulo[n - 1] = QStringLiteral("INATIVA");
    falhas(n) = 0;
    return;
  }
  // The other platform claims one port while it is active and identified.
  const int portasDaOutra = parametros_.plataforma(outra).Ativa && identificada(outra) ? 1 : 0;
  if (NumPortas > portasDaOutra) {
    if (!identificada(n)) {
      FecharPorta(link(n));
      LocalizarPlataformas();
    }
    if (!link(n) || !link(n)->aberto()) contarFalha(n);
    if (identificada(n)) {
      if (Responde(n, n, true))
        falhas(n) = 0;
      else
        contarFalha(n);
    }
    resultado.rotulo[n - 1] = p.HardCOM.isEmpty() ? QStringLiteral("Não Ident.") : p.HardCOM;
    return;
  }
  // The only port belongs to the other platform: check that one instead.
  if (!identificada(outra)) return;
  if (Responde(outra, outra, false)) {
    falhas(outra) = 0;
    semPorta[n - 1] = true;
  } else {
    contarFalha(outra);
    identificada(outra) = false;
  }
}

bool MonitorDePlataformas::Responde(int numeroDoLink, int dispositivoEsperado, bool limparAntes) {
  LinkSerial* l = link(numeroDoLink).get();
  if (limparAntes && !LimparPorta(l)) return false;
  TQuadro quadro{};
  if (!EnviarComando(l, cmdIdentificar) || !ReceberQuadro(l, quadro, kFuncaoIdentificar, 1000))
    return false;
  return DispositivoDoCodigo(quadro[5], !SistemaRecusaCodigosAntigos()) == dispositivoEsperado;
}

void MonitorDePlataformas::LocalizarPlataformas() {
  LocalizandoPortas = true;
  const bool algumaAtiva = parametros_.plataforma(1).Ativa || parametros_.plataforma(2).Ativa;
  if (algumaAtiva && NumPortas > 0) {
    for (const QString& porta : std::as_const(ListaPortas)) {
      if (identificada(1) && identificada(2)) break;
      if ((identificada(1) && porta == parametros_.plataforma(1).HardCOM) ||
          (identificada(2) && porta == parametros_.plataforma(2).HardCOM))
        continue;
      SlotLink sonda;
      if (!AbrirPorta(sonda, porta)) continue;
      PrepararSondagem(sonda.get());
      TQuadro quadro{};
      const bool respondeu = EnviarComando(sonda.get(), cmdIdentificar) &&
                             ReceberQuadro(sonda.get(), quadro, kFuncaoIdentificar, 500);
      FecharPorta(sonda);
      if (!respondeu) continue;
      // The probe takes the old codes on every system; the checks of each tick do not.
      const int n = DispositivoDoCodigo(quadro[5], true);
      if (n == kNenhumDispositivo || !AbrirPorta(link(n), porta)) continue;
      parametros_.plataforma(n).HardCOM = porta;
      QThread::msleep(100);
      std::ignore = LimparPorta(link(n).get());
      identificada(n) = true;
      DefinirDTR(link(n).get(), true);
    }
  }
  ArquivoConfiguracao::Valores valores;
  for (int n = 1; n <= 2; ++n)
    if (identificada(n))
      valores.append({ChavePlataforma("HardCOM", n), parametros_.plataforma(n).HardCOM});
  if (!valores.isEmpty()) std::ignore = ArquivoConfiguracao(arquivoConfiguracao_).gravar(valores);
  LocalizandoPortas = false;
}
