#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <initializer_list>

class Conjunto;
class QLineEdit;
class QPushButton;

// A record dialog made of text boxes only (the group and the evaluator dialogs), under the
// subject dialog's contract: the caller puts the dataset in append or edit mode, sets the caption
// and the confirm button's text and runs exec(); accepted means the caller posts the row,
// rejected that it cancels it. The first box shows the code and is read-only; a name is required.
class DialogoDeTextos : public QDialog {
  Q_OBJECT

 public:
  struct Caixa {
    const char* campo;  // field of the dataset, also the box's name after "cp"
    QString rotulo;
    int tamanho;
  };

  DialogoDeTextos(Conjunto& conjunto, const char* nome, const QString& titulo,
                  std::initializer_list<Caixa> caixas, QWidget* pai);

  QPushButton* btInserir;
  QPushButton* btCancelar;

 protected:
  void showEvent(QShowEvent* evento) override;
  // The box bound to a field.
  QLineEdit* caixa(const char* campo) const;

 private:
  void btInserirClick();

  struct Vinculo {
    QLineEdit* caixa;
    QString campo;
  };
  Conjunto& conjunto_;
  QList<Vinculo> vinculos_;
};
