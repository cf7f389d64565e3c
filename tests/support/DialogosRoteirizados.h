#pragma once

#include <QList>
#include <QQueue>
#include <QString>
#include <QVariant>

#include <functional>

#include "app/ServicoDialogos.h"

// Dialog service for tests: records every call and answers from a queue.
class DialogosRoteirizados final : public ServicoDialogos {
 public:
  enum class Tipo { Mensagem, Entrada, AbrirArquivo, SalvarArquivo, EscolherPasta };

  struct Chamada {
    Tipo tipo;
    QString titulo;
    QString texto;  // message text, prompt, folder or suggested path
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botoes;
    QString filtro;
  };

  // Installs a fresh instance as the program's dialog service and returns it.
  static DialogosRoteirizados& instalar();

  // Answers, consumed in order: a StandardButton for messages, a QString for the other dialogs
  // (an invalid QVariant cancels an input box).
  void responder(QVariant resposta) { respostas_.enqueue(std::move(resposta)); }
  // Called during the dialog, before it answers: lets a test look at the program's state then.
  void aoMostrar(std::function<void(const Chamada&)> acao) { aoMostrar_ = std::move(acao); }

  const QList<Chamada>& chamadas() const { return chamadas_; }
  QList<Chamada> mensagens() const;
  void limpar() {
    chamadas_.clear();
    respostas_.clear();
  }

  QMessageBox::StandardButton mensagem(QWidget* pai, const QString& titulo, const QString& texto,
                                       QMessageBox::Icon icone, QMessageBox::StandardButtons botoes,
                                       QMessageBox::StandardButton padrao) override;
  std::optional<QString> entrada(QWidget* pai, const QString& titulo, const QString& rotulo,
                                 const QString& valor) override;
  QString abrirArquivo(QWidget* pai, const QString& titulo, const QString& pasta,
                       const QString& filtro) override;
  QString salvarArquivo(QWidget* pai, const QString& titulo, const QString& caminho,
                        const QString& filtro) override;
  QString escolherPasta(QWidget* pai, const QString& titulo, const QString& pasta) override;

 private:
  QVariant proximaResposta(const Chamada& chamada);

  QList<Chamada> chamadas_;
  QQueue<QVariant> respostas_;
  std::function<void(const Chamada&)> aoMostrar_;
};
