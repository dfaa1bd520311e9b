function Main() { return encodeURIComponent("\u00e9".repeat(1e8)).length; }
