function Main() { var s = "x".repeat(1e8); return `${s}${s}${s}${s}${s}`.length; }
