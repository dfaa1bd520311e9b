function Main() { return new RegExp(Array(100001).join("(") + "a" + Array(100001).join(")")).test("a"); }
