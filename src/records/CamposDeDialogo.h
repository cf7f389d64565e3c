#pragma once

#include <QObject>
#include <QString>

class Conjunto;
class QDialog;
class QLayout;
class QLineEdit;
class QPushButton;

// What the record dialogs share: boxes that force upper case, ENTER moving the focus on, and
// boxes bound to a field of the row being appended or edited.
namespace CamposDeDialogo {

void ForcarMaiusculas(QLineEdit* caixa);

// Makes ENTER in `controle` move the focus to the next control of its dialog instead of
// reaching the default button.
void EnterMudaFoco(QWidget* controle);

// The field's value of the edit record as the box shows it (decimal comma for numbers).
void Carregar(QLineEdit* caixa, const Conjunto& conjunto, const QString& campo);
// Writes the box into the edit record; an empty box writes NULL.
[[nodiscard]] bool Gravar(const QLineEdit* caixa, Conjunto& conjunto, const QString& campo);

// The confirm ("&Inserir", callers rename it) and cancel buttons of a record dialog, laid out
// under its fields; cancel rejects the dialog.
struct BotoesDeDialogo {
  QPushButton* confirmar;
  QPushButton* cancelar;
};
BotoesDeDialogo MontarDialogo(QDialog* dialogo, QLayout* campos, int larguraMinima);

// A height or other decimal as typed with the decimal comma; -1 when it is no number.
double LerNumero(const QString& texto);

}  // namespace CamposDeDialogo
