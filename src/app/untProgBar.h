#pragma once

#include <QWidget>

class QProgressBar;
class TfrmImagens;

// The shared progress window: created once at start-up, hidden until a long task sets its caption
// and bar and shows it.
class TfrmProgBar : public QWidget {
  Q_OBJECT

 public:
  TfrmProgBar(const TfrmImagens& imagens, QWidget* pai);

  QProgressBar* pbProgresso;
};
