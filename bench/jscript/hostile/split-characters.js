function Main() { return "x".repeat(16000000).split("").length; }
