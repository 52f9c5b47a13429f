// The baseline's whole behaviour: the box shows a number, counted up every 200 ms. The
// first one shows at once, as the game shows its first answer while it starts. The box
// has the keyboard focus, as the desktop baseline's only field has and the game's letter
// box has while a game runs, so that its caret blinks there too.
var box = document.getElementById("box");
var count = 0;
function tick() {
  box.value = String(++count);
}
box.focus();
tick();
setInterval(tick, 200);
