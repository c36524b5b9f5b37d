int placeholder_settings = 0;
