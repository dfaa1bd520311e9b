function Main() { var s = "x".repeat(1e6); return Array(3000).fill(s).join("").length; }
