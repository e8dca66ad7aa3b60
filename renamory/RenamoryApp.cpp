// The batch renamer application object lives here (start-up follows).
