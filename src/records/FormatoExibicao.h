#pragma once

#include <QString>
#include <QVariant>

#include "records/Campo.h"

// The text a grid or an export shows for a field value: the field's display format applied with
// the Brazilian locale (decimal comma, dates "dd/MM/yyyy"). A NULL shows as an empty text.
QString FormatarParaExibicao(const QVariant& valor, TipoCampo tipo, const QString& formato);
