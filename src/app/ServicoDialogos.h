#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

// Every message box, input box, file and folder dialog of the program goes through this service,
// so tests can answer them and check each caption, text and icon.
class ServicoDialogos {
 public:
  virtual ~ServicoDialogos() = default;

  virtual QMessageBox::StandardButton mensagem(QWidget* pai, const QString& titulo,
                                               const QString& texto, QMessageBox::Icon icone,
                                               QMessageBox::StandardButtons botoes,
                                               QMessageBox::StandardButton padrao) = 0;
  // The typed text, or nothing when the user cancels.
  virtual std::optional<QString> entrada(QWidget* pai, const QString& titulo, const QString& rotulo,
                                         const QString& valor) = 0;
  // The chosen path, or "" when the user cancels.
  virtual QString abrirArquivo(QWidget* pai, const QString& titulo, const QString& pasta,
                               const QString& filtro) = 0;
  virtual QString salvarArquivo(QWidget* pai, const QString& titulo, const QString& caminho,
                                const QString& filtro) = 0;
  virtual QString escolherPasta(QWidget* pai, const QString& titulo, const QString& pasta) = 0;
};

// The service in use; the program's own until a test installs another.
ServicoDialogos& Dialogos();
// Installs a service and returns the previous one.
std::unique_ptr<ServicoDialogos> InstalarDialogos(std::unique_ptr<ServicoDialogos> servico);

// The usual message: caption "Brivana" unless another is named, OK button.
inline constexpr const char* kTituloPrograma = "Brivana";
QMessageBox::StandardButton Mensagem(QWidget* pai, const QString& texto, QMessageBox::Icon icone,
                                     QMessageBox::StandardButtons botoes = QMessageBox::Ok,
                                     const QString& titulo = QString::fromLatin1(kTituloPrograma));
