function Main() { return Array(1e7).join("abcdefghijklmnopqrstuvwxyz0123456789").length; }
