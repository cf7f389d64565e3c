#include "app/ServicoDialogos.h"

#include <QFileDialog>
#include <QInputDialog>

namespace {

class DialogosQt final : public ServicoDialogos {
 public:
  QMessageBox::StandardButton mensagem(QWidget* pai, const QString& titulo, const QString& texto,
                                       QMessageBox::Icon icone, QMessageBox::StandardButtons botoes,
                                       QMessageBox::StandardButton padrao) override {
    QMessageBox caixa(icone, titulo, texto, botoes, pai);
    if (padrao != QMessageBox::NoButton) caixa.setDefaultButton(padrao);
    return static_cast<QMessageBox::StandardButton>(caixa.exec());
  }

  std::optional<QString> entrada(QWidget* pai, const QString& titulo, const QString& rotulo,
                                 const QString& valor) override {
    bool ok = false;
    const QString texto = QInputDialog::getText(pai, titulo, rotulo, QLineEdit::Normal, valor, &ok);
    if (!ok) return std::nullopt;
    return texto;
  }

  QString abrirArquivo(QWidget* pai, const QString& titulo, const QString& pasta,
                       const QString& filtro) override {
    return QFileDialog::getOpenFileName(pai, titulo, pasta, filtro);
  }

  QString salvarArquivo(QWidget* pai, const QString& titulo, const QString& caminho,
                        const QString& filtro) override {
    return QFileDialog::getSaveFileName(pai, titulo, caminho, filtro);
  }

  QString escolherPasta(QWidget* pai, const QString& titulo, const QString& pasta) override {
    return QFileDialog::getExistingDirectory(pai, titulo, pasta);
  }
};

std::unique_ptr<ServicoDialogos>& Atual() {
  static std::unique_ptr<ServicoDialogos> servico = std::make_unique<DialogosQt>();
  return servico;
}

}  // namespace

ServicoDialogos& Dialogos() {
  return *Atual();
}

std::unique_ptr<ServicoDialogos> InstalarDialogos(std::unique_ptr<ServicoDialogos> servico) {
  std::swap(Atual(), servico);
  return servico;
}

QMessageBox::StandardButton Mensagem(QWidget* pai, const QString& texto, QMessageBox::Icon icone,
                                     QMessageBox::StandardButtons botoes, const QString& titulo) {
  return Dialogos().mensagem(pai, titulo, texto, icone, botoes, QMessageBox::NoButton);
}
