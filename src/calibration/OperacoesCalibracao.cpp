#include "calibration/OperacoesCalibracao.h"

#include <QApplication>
#include <QProgressBar>
#include <QTimer>

#include "app/MonitorDePlataformas.h"
#include "app/ServicoDialogos.h"
#include "app/untPrincipal.h"
#include "app/untProgBar.h"
#include "calibration/ModeloCalibracao.h"

namespace {

// Stops the live reading for the length of an operation.
class LeituraSuspensa {
 public:
  explicit LeituraSuspensa(QTimer* timer) : timer_(timer) { timer_->stop(); }
  ~LeituraSuspensa() { timer_->start(); }
  LeituraSuspensa(const LeituraSuspensa&) = delete;
  LeituraSuspensa& operator=(const LeituraSuspensa&) = delete;

 private:
  QTimer* timer_;
};

}  // namespace

OperacoesCalibracao::OperacoesCalibracao(QWidget* janela, TfrmPrincipal& principal, int plataforma,
                                         QTimer* tmLeitura)
    : janela_(janela), principal_(principal), n_(plataforma), tmLeitura_(tmLeitura) {}

QString OperacoesCalibracao::Legenda(const QString& operacao) const {
  return QStringLiteral("Plataforma %1 - %2").arg(n_).arg(operacao);
}

QString OperacoesCalibracao::Chave(const char* nome) const {
  return ChavePlataforma(QString::fromLatin1(nome), n_);
}

bool OperacoesCalibracao::Perguntar(const QString& texto, const QString& legenda) {
  return Mensagem(janela_, texto, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel,
                  legenda) == QMessageBox::Ok;
}

void OperacoesCalibracao::Informar(const QString& texto, const QString& legenda) {
  Mensagem(janela_, texto, QMessageBox::Information, QMessageBox::Ok, legenda);
}

void OperacoesCalibracao::Gravar(const ArquivoConfiguracao::Valores& valores) {
  if (!ArquivoConfiguracao(principal_.pastas().arquivoConfiguracao).gravar(valores))
    Mensagem(janela_,
             QStringLiteral("Não foi possível gravar a calibração no arquivo de configuração."),
             QMessageBox::Critical);
}

bool OperacoesCalibracao::Preparar(std::uint8_t modo) {
  const FalhaPreparacao falha = PrepararOperacao(principal_.monitor(), n_, modo);
  if (falha == FalhaPreparacao::Nenhuma) return true;
  const QString texto =
      falha == FalhaPreparacao::Identificacao
          ? QStringLiteral("Falha ao Identificar a Plataforma %1, favor verificar a Comunicação.")
          : QStringLiteral("Falha ao Configurar a Plataforma %1, favor tentar novamente.");
  Mensagem(janela_, texto.arg(n_), QMessageBox::Critical, QMessageBox::Ok,
           Legenda(QStringLiteral("Calibração")));
  return false;
}

std::optional<double> OperacoesCalibracao::Medir(const QString& pergunta, const QString& legenda,
                                                 const QString& cancelado, const QString& falha,
                                                 const QString& legendaFalha) {
  if (!Perguntar(pergunta, legenda)) {
    Mensagem(janela_, cancelado, QMessageBox::Warning, QMessageBox::Ok, legenda);
    return std::nullopt;
  }
  TfrmProgBar* progresso = principal_.frmProgBar();
  progresso->pbProgresso->setMaximum(kLeiturasPorMedicao);
  progresso->pbProgresso->setValue(0);
  progresso->show();
  progresso->repaint();
  const std::optional<double> media =
      MedirContagemMedia(principal_.monitor().link(n_).get(),
                         [progresso](int leitura) { progresso->pbProgresso->setValue(leitura); });
  progresso->close();
  if (!media) Mensagem(janela_, falha, QMessageBox::Critical, QMessageBox::Ok, legendaFalha);
  return media;
}

bool OperacoesCalibracao::Zerar() {
  LeituraSuspensa suspensa(tmLeitura_);
  if (!Preparar(kModoZerar)) return false;
  const QString legenda = Legenda(QStringLiteral("Zerar"));
  const auto media = Medir(
      QStringLiteral("Deixe a Plataforma %1 sem peso e clique em OK para Zerar.").arg(n_), legenda,
      QStringLiteral("Zerar cancelado!"),
      QStringLiteral("Processo de Zerar não efetuado corretamente, tentar novamente."), legenda);
  if (!media) return false;
  principal_.parametros().plataforma(n_).SemPeso = *media;
  Informar(QStringLiteral("Zerar realizado com sucesso!"), legenda);
  Gravar({{Chave("SemPeso"), DecimalParaTexto(*media)}});
  return true;
}

bool OperacoesCalibracao::Calibrar(const QString& textoCarga) {
  LeituraSuspensa suspensa(tmLeitura_);
  const QString legendaCalibracao = Legenda(QStringLiteral("Calibração"));
  double carga = 0;
  if (!TextoParaDecimal(textoCarga, &carga)) carga = 0;
  // A load of 0 would make the index a division by zero: refused as a missing load.
  if (textoCarga.trimmed().isEmpty() || carga == 0) {
    Informar(QStringLiteral("O valor da Carga deve ser informado."), legendaCalibracao);
    return false;
  }
  if (!Preparar(kModoCalibrar)) return false;

  const QString cancelado = QStringLiteral("Calibração cancelada!");
  const QString falha =
      QStringLiteral("Processo de Calibração não foi efetuado corretamente, tentar novamente.");
  const QString legendaSemPeso = Legenda(QStringLiteral("Calibração sem Peso"));
  const auto semPeso = Medir(
      QStringLiteral("Deixe a Plataforma %1 sem peso e clique em OK para efetuar a Calibração.")
          .arg(n_),
      legendaSemPeso, cancelado, falha, legendaCalibracao);
  if (!semPeso) return false;
  Informar(QStringLiteral("Calibração sem Peso realizada com sucesso!"), legendaSemPeso);

  const QString legendaComPeso = Legenda(QStringLiteral("Calibração com Peso"));
  const auto comPeso = Medir(QStringLiteral("Coloque a Carga de %1 (kg) e clique em OK para "
                                            "efetuar a Calibração.")
                                 .arg(textoCarga),
                             legendaComPeso, cancelado, falha, legendaComPeso);
  if (!comPeso) return false;
  Informar(QStringLiteral("Calibração com Peso realizada com sucesso!"), legendaComPeso);

  ParametrosPlataforma& p = principal_.parametros().plataforma(n_);
  p.SemPeso = *semPeso;
  p.ComPeso = *comPeso;
  p.IDC = IndiceDeCalibracao(*semPeso, *comPeso, carga);
  Gravar({{Chave("Carga"), DecimalParaTexto(carga)},
          {Chave("SemPeso"), DecimalParaTexto(p.SemPeso)},
          {Chave("ComPeso"), DecimalParaTexto(p.ComPeso)},
          {Chave("IDC"), DecimalParaTexto(p.IDC)}});
  return true;
}

bool OperacoesCalibracao::Tara() {
  LeituraSuspensa suspensa(tmLeitura_);
  if (!Preparar(kModoCalibrar)) return false;
  const QString legenda = Legenda(QStringLiteral("Tara"));
  const auto media = Medir(QStringLiteral("Deixe o peso sobre a Plataforma %1 e clique em OK para "
                                          "efetuar o Cálculo da Tara.")
                               .arg(n_),
                           legenda, QStringLiteral("Cálculo da Tara cancelado!"),
                           QStringLiteral("Cálculo da Tara não efetuado corretamente, tentar "
                                          "novamente."),
                           legenda);
  if (!media) return false;
  ParametrosPlataforma& p = principal_.parametros().plataforma(n_);
  p.Tara = TaraMedida(*media, p);
  Informar(QStringLiteral("Cálculo da Tara realizado com sucesso!"), legenda);
  Gravar({{Chave("btTara"), QStringLiteral("Remover Tara")},
          {Chave("Tara"), DecimalParaTexto(p.Tara)}});
  return true;
}

void OperacoesCalibracao::RemoverTara() {
  principal_.parametros().plataforma(n_).Tara = 0;
  Gravar({{Chave("btTara"), QStringLiteral("Tara")}, {Chave("Tara"), DecimalParaTexto(0)}});
}

bool OperacoesCalibracao::Editar() {
  LeituraSuspensa suspensa(tmLeitura_);
  if (!Preparar(kModoZerar)) return false;
  const QString legenda = Legenda(QStringLiteral("Editar"));
  const auto media = Medir(QStringLiteral("Deixe a Plataforma %1 sem peso e clique em OK para "
                                          "efetuar a Calibração sem Peso.")
                               .arg(n_),
                           legenda, QStringLiteral("Calibração cancelada!"),
                           QStringLiteral("Processo de Calibração sem Peso não efetuado "
                                          "corretamente, tentar novamente."),
                           legenda);
  if (!media) return false;
  ParametrosPlataforma& p = principal_.parametros().plataforma(n_);
  p.SemPeso = *media;
  Informar(QStringLiteral("Calibração sem Peso realizada com sucesso!"), legenda);
  Gravar({{Chave("SemPeso"), DecimalParaTexto(p.SemPeso)}});

  // Cancelling the input box keeps the index as shown, that is rounded to three decimals.
  const QString atual = DecimalParaTexto(p.IDC);
  const QString digitado =
      Dialogos()
          .entrada(janela_, legenda, QStringLiteral("Informe o Índice de Correção:"), atual)
          .value_or(atual);
  p.IDC = IndiceDigitado(digitado);
  Gravar({{Chave("IDC"), DecimalParaTexto(p.IDC)}});
  return true;
}
