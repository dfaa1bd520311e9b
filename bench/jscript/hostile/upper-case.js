function Main() { return "x".repeat(2.5e8).toUpperCase().length; }
