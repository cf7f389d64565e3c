#pragma once

#include <QImage>
#include <array>

// The program's own pictures, drawn once when the holder is built and kept for the whole run.
// Every picture has an alpha channel: whatever is not drawn is transparent, so each window (and
// MontarImagens) chooses the background. Needs a QGuiApplication.
//
// The order of each button enum is the order of the matching image list, which other windows
// index by position.
class TfrmImagens {
 public:
  // Status lamps of the platform panels, 16 x 16.
  enum Lampada { Verde, Amarelo, Vermelho, Cinza, Preto };
  static constexpr int kLampadas = 5;

  // Command pictures, 32 x 32, by image position of the main window's actions.
  enum Comando {
    CadAvaliados,
    CadGrupos,
    CadProtocolos,
    NovaAvaliacao,
    VisualizarAvaliacao,
    Comunicacao,
    Parametros,
    ConfigGrafico,
    Backup,
    Fechar,
    Sobre
  };
  static constexpr int kComandos = 11;

  // Two-glyph strips (left: normal glyph; right: the same glyph greyed), 64 x 32.
  enum class Botao32x64 {
    TesteSerial,
    Imprimir,
    Excel,
    ArquivoTexto,
    Sair,
    Pdf,
    Salvar,
    AreaDeTransferencia,
    ConfigurarImpressao,
    ZoomMelhorAjuste,
    ZoomLargura,
    Zoom100,
    ConfigGrafico
  };
  static constexpr int kBotoes32x64 = 13;

  // 44 x 22.
  enum class Botao22x44 { Abrir };
  static constexpr int kBotoes22x44 = 1;

  // 32 x 16. The "...Branco" entries repeat a glyph for buttons on a white background.
  enum class Botao16x32 {
    Novo,
    Editar,
    Fechar,
    Visualizar,
    VisualizarMais,
    Sair,
    ExecutarBranco,
    Ok,
    Cancelar,
    OkBranco,
    CancelarBranco,
    Primeiro,
    Ultimo,
    Anterior,
    Proximo,
    Avaliados,
    Grupos,
    Protocolos,
    Avaliadores
  };
  static constexpr int kBotoes16x32 = 19;

  // 24 x 12.
  enum class Botao12x24 { Executar, Pequeno };
  static constexpr int kBotoes12x24 = 2;

  // Workbook icons of the Excel export window, 48 x 48.
  enum class Icone48x48 { ExcelPastaNova, ExcelModelo };
  static constexpr int kIcones48x48 = 2;

  // Lamp of the pre-collection check, 24 x 24 (imSensorDisabled, imSensorOK, imSensorNotFound).
  enum class Sensor { Desativado, Ok, NaoEncontrado };
  static constexpr int kSensores = 3;

  TfrmImagens();

  [[nodiscard]] const QImage& lampada(Lampada l) const { return lampadas_.at(l); }
  [[nodiscard]] const QImage& comandoHabilitado(Comando c) const { return habilitados_.at(c); }
  [[nodiscard]] const QImage& comandoDesabilitado(Comando c) const { return desabilitados_.at(c); }
  [[nodiscard]] const QImage& botao(Botao32x64 b) const { return b32_.at(int(b)); }
  [[nodiscard]] const QImage& botao(Botao22x44 b) const { return b22_.at(int(b)); }
  [[nodiscard]] const QImage& botao(Botao16x32 b) const { return b16_.at(int(b)); }
  [[nodiscard]] const QImage& botao(Botao12x24 b) const { return b12_.at(int(b)); }
  [[nodiscard]] const QImage& icone(Icone48x48 i) const { return icones_.at(int(i)); }
  [[nodiscard]] const QImage& sensor(Sensor s) const { return sensores_.at(int(s)); }

  // Centre of the main window, 640 x 360, meant for a white panel (scaled proportionally).
  [[nodiscard]] const QImage& logotipo() const { return logotipo_; }
  // Toolbar logo, 156 x 38, white drawing meant for the maroon bar.
  [[nodiscard]] const QImage& logotipoBarra() const { return logotipoBarra_; }
  // Band at the right edge of the toolbar, 53 x 38, opaque.
  [[nodiscard]] const QImage& faixaBarra() const { return faixaBarra_; }
  // Background of the progress window, 212 x 70, opaque cream.
  [[nodiscard]] const QImage& fundoProgresso() const { return fundoProgresso_; }
  // Title strip of the dialogs: left corner and right corner 20 x 28; the centre, 8 x 28, is
  // meant to be stretched or tiled across the width between them.
  [[nodiscard]] const QImage& molduraEsquerda() const { return molduraEsquerda_; }
  [[nodiscard]] const QImage& molduraCentro() const { return molduraCentro_; }
  [[nodiscard]] const QImage& molduraDireita() const { return molduraDireita_; }

 private:
  std::array<QImage, kLampadas> lampadas_;
  std::array<QImage, kComandos> habilitados_;
  std::array<QImage, kComandos> desabilitados_;
  std::array<QImage, kBotoes32x64> b32_;
  std::array<QImage, kBotoes22x44> b22_;
  std::array<QImage, kBotoes16x32> b16_;
  std::array<QImage, kBotoes12x24> b12_;
  std::array<QImage, kIcones48x48> icones_;
  std::array<QImage, kSensores> sensores_;
  QImage logotipo_;
  QImage logotipoBarra_;
  QImage faixaBarra_;
  QImage fundoProgresso_;
  QImage molduraEsquerda_;
  QImage molduraCentro_;
  QImage molduraDireita_;
};
