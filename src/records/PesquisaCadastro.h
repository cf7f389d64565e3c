#pragma once

#include <QString>

class Conjunto;

// What a register remembers of its searches for the whole run: the word (upper case) and the
// text of the row found last, so that Find next goes past it.
struct EstadoPesquisa {
  QString palavra;
  QString ultimoAchado;
};

// The row text a search looks in: "/[" + the field's display text + "]\" for every field of the
// current row, in field order.
QString TextoDaLinha(const Conjunto& conjunto);

// From the current row on, stops on the first row (other than the one found last) whose text
// holds the word, and remembers it. When none does the dataset is left at end-of-data on its last
// row. The attached grids are held back meanwhile. True when a row was found.
bool LocalizarProximo(Conjunto& conjunto, EstadoPesquisa& estado);
