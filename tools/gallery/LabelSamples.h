#pragma once
// The shadowed label in its variants, for the gallery window.
class QWidget;

// A grid of sample panels; `focusTarget` is the FocusControl of the mnemonic sample.
QWidget* labelSamples(QWidget* parent, QWidget* focusTarget);
