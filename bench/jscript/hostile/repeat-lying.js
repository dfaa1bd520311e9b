function Main() { var n = 0; return "ab".repeat({valueOf: function () { return n++ ? 1e9 : 1; }}).length; }
