just some text
without sections
