#pragma once

#include <QObject>
#include <QString>

class Conjunto;
class QDialog;
class QLineEdit;

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

// A height or other decimal as typed with the decimal comma; -1 when it is no number.
double LerNumero(const QString& texto);

}  // namespace CamposDeDialogo
