// The widget library grows with the main window.
