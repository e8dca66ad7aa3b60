// The folder size viewer application object lives here (start-up follows).
