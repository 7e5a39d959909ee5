#ifndef ZAREL_TERMINATION_H
#define ZAREL_TERMINATION_H

class QWidget;

// Catches SIGINT and SIGTERM from now on; one that arrives before a window
// is given closes that window as soon as the event loop runs.
void catchTerminationSignals();

// Closes the window when the process gets SIGINT or SIGTERM (Ctrl+C in a
// terminal, a service manager, the demo script stopping), so the panel shuts
// down through its normal path: the event loop returns, the threads are
// joined, the settings stay intact. An open modal dialog is cancelled first.
// Does nothing where there are no signals.
void closeOnTerminationSignals(QWidget* window);

#endif // ZAREL_TERMINATION_H
