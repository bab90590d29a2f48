// Brivanta live pages: one event stream, reconnected by the browser itself; nothing from
// outside this program is loaded, so the pages work in a hall without internet.
"use strict";
const Brivanta = (() => {
  const params = new URLSearchParams(location.search);
  function list(name) {
    const v = params.get(name);
    return v ? v.split(",").map((s) => s.trim().toLowerCase()).filter(Boolean) : [];
  }
  function connect(onState, onLine) {
    if (window.BrivantaState) {
      onLine(true);
      onState(window.BrivantaState);
    }
    // The first drawing appears at once; later changes fade.
    setTimeout(() => document.body.classList.remove("instant"), 800);
    let source = null;
    let retry = null;
    const open = () => {
      source = new EventSource("/events");
      source.addEventListener("state", (e) => {
        onLine(true);
        try {
          const s = JSON.parse(e.data);
          // A venue view carries every court's state on one stream: this page shows one court.
          if (window.BrivantaCourt && s.court !== window.BrivantaCourt) return;
          onState(s);
        } catch (err) {
          // A damaged message is skipped; the next one carries the whole state again.
        }
      });
      source.onerror = () => {
        onLine(false);
        // Browsers retry by themselves; a closed stream (program restarted) is reopened here.
        if (source.readyState === EventSource.CLOSED && retry === null) {
          retry = setTimeout(() => {
            retry = null;
            open();
          }, 2000);
        }
      };
    };
    open();
  }
  // Shows and hides an element by a class, so CSS can fade it.
  function show(element, visible) {
    if (element) element.classList.toggle("visible", !!visible);
  }
  function text(element, value) {
    if (element && element.textContent !== String(value ?? "")) element.textContent = value ?? "";
  }
  function image(element, url) {
    if (!element) return;
    if (!url) {
      element.removeAttribute("src");
      element.style.visibility = "hidden";
      return;
    }
    if (element.getAttribute("src") !== url) {
      element.onerror = () => (element.style.visibility = "hidden");
      element.onload = () => (element.style.visibility = "visible");
      element.setAttribute("src", url);
    }
  }
  return { params, list, connect, show, text, image };
})();
