// The baseline's whole behaviour: the box shows a number, counted up every 200 ms. The
// first one shows at once, as the game shows its first answer while it starts.
var box = document.getElementById("box");
var count = 0;
function tick() {
  box.value = String(++count);
}
tick();
setInterval(tick, 200);
