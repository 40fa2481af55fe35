#pragma once

class QWidget;

// For start-up measurements: with QUENDARIS6_QUIT_WHEN_SHOWN set in the environment, the program
// writes "shown" on stdout once `window` has been painted for the first time, and closes it as the
// user would: the settings are saved and the program ends.
void QuitWhenShownIfAsked(QWidget& window);
