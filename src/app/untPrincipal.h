#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

#include "app/ListasDeImagens.h"
#include "app/MonitorDePlataformas.h"
#include "app/ParametrosPlataformas.h"
#include "app/Pastas.h"

class QAction;
class QChartView;
class QDialog;
class QLabel;
class QTimer;
class PainelPlataforma;
class TfrmDM;
class TfrmImagens;
class TfrmProgBar;

// The program's only top-level window: menu, toolbar of commands, the two platform status panels
// and the central area (logo, collection text or trial chart). It owns the settings copies, the
// data module, the pictures and the progress window for the whole run.
class TfrmPrincipal : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmPrincipal(QWidget* pai = nullptr);
  ~TfrmPrincipal() override;

  // True when start-up could not open the database: the program must end.
  bool encerramentoSolicitado() const { return encerrar_; }

  // Operations the other windows use.
  void HabilitarComandos(bool habilitar);
  void MonitorarPlataformas(bool monitorar);
  void MostrarEstadoPlataforma(int numero, EstadoLampada estado);
  EstadoLampada EstadoPlataforma(int numero) const;
  void LocalizarPlataformas();
  void CentralizarJanela(QWidget* janela) const;
  void MostrarGrafico();
  void MostrarLogotipo();
  void MontarImagens();
  void LerParametrosPlataformas();
  // The common shape of every command that opens a window: commands and status monitor off while
  // it is open, on again afterwards; `aoFechar` runs before the window is freed.
  void ExecutarJanela(std::unique_ptr<QDialog> janela,
                      const std::function<void(QDialog&, int resultado)>& aoFechar = {});

  const Pastas& pastas() const { return pastas_; }
  ParametrosPlataformas& parametros() { return parametros_; }
  MonitorDePlataformas& monitor() { return *monitor_; }
  TfrmDM& dm() { return *dm_; }
  const TfrmImagens& imagens() const { return *imagens_; }
  const ListasDeImagens& listas() const { return listas_; }
  TfrmProgBar* frmProgBar() const { return frmProgBar_; }

  // Commands.
  QAction* CadAvaliados = nullptr;
  QAction* CadGrupos = nullptr;
  QAction* CadProtocolos = nullptr;
  QAction* CadLaboratorio = nullptr;
  QAction* NovaAvaliacao = nullptr;
  QAction* VisualizarAvaliacao = nullptr;
  QAction* Comunicacao = nullptr;
  QAction* Parametros = nullptr;
  QAction* ConfigGrafico = nullptr;
  QAction* Backup = nullptr;
  QAction* Fechar = nullptr;
  QAction* Sobre = nullptr;

  // Toolbar and central area.
  QWidget* pnBarra = nullptr;
  QLabel* lbBarraEspaco = nullptr;
  std::array<PainelPlataforma*, 2> pnSensor{};
  QWidget* pnCentro = nullptr;
  QLabel* imLogo = nullptr;
  QLabel* lbTeste = nullptr;
  QChartView* G1 = nullptr;
  QTimer* tmSensor = nullptr;

  static constexpr int kAlturaBarra = 42;
  static constexpr int kLarguraBotao = 39;

 protected:
  void showEvent(QShowEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void changeEvent(QEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void IniciarBanco();
  void CriarComandos();
  void CriarMenu();
  void CriarBarra();
  void CriarCentro();
  void AplicarImagensNosBotoes();
  void AjustarTamanhos();
  void AjustarLogotipo();
  void FecharExecute();
  void ComunicacaoExecute();
  void CadAvaliadosExecute();
  void CadGruposExecute();
  void CadLaboratorioExecute();
  void ParametrosExecute();
  void tmSensorTimer();

  Pastas pastas_;
  ParametrosPlataformas parametros_;
  std::unique_ptr<MonitorDePlataformas> monitor_;
  std::unique_ptr<TfrmDM> dm_;
  std::unique_ptr<TfrmImagens> imagens_;
  ListasDeImagens listas_;
  QColor faceDeBotao_;
  TfrmProgBar* frmProgBar_ = nullptr;
  QWidget* pnForm_ = nullptr;
  bool encerrar_ = false;
  bool jaExibida_ = false;
};
