function Main() { var a = []; for (;;) a.push({x: 1, y: "abc"}); }
