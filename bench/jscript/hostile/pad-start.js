function Main() { return "".padStart(4e8, "x").length; }
