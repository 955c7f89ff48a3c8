// Runs in every page of an HTML view, in the view's own script world, after
// qwebchannel.js. It keeps the view's C++ mirror of the page current (title,
// content height, scroll position, the first form's fields), hands every
// link click and form submission to C++ with the link's address exactly as
// written in the page, and applies the commands C++ sends (field values,
// scroll position, anchors). ORINDO_VIEW_STYLE (the view's fonts and link
// colours) is defined in front of this text by the view.
(function () {
  'use strict';
  if (location.protocol !== 'orindo:') return;
  const load = new URLSearchParams(location.search).get('v');
  if (load === null) return;

  const BUTTON_TYPES = ['submit', 'reset', 'button', 'image', 'file'];
  let view = null;          // the C++ side, once the channel is up
  let applied = 0;          // number of the last command from C++ applied here
  let loaded = false;       // the window's load event has fired
  let scrollTarget = null;  // scroll asked for before the pictures were in
  let lastHeight = -1;
  const waiting = [];       // clicks and submissions before the channel was up

  function send(call) {
    if (view) call(view);
    else waiting.push(call);
  }

  function controls() {
    const form = document.forms[0];
    if (!form) return [];
    return Array.prototype.filter.call(form.elements, function (el) {
      if (el.tagName === 'SELECT' || el.tagName === 'TEXTAREA') return true;
      return el.tagName === 'INPUT' && BUTTON_TYPES.indexOf(el.type) < 0;
    });
  }

  function fieldState(el) {
    if (el.tagName === 'SELECT') {
      return {
        name: el.name, type: el.type,
        options: Array.from(el.options, function (o) { return o.value; }),
        selected: Array.from(el.options, function (o) { return o.selected; })
      };
    }
    return { name: el.name, type: el.type, value: el.value, checked: !!el.checked };
  }

  // Height of the content itself. The root's scroll height never drops below
  // the viewport, so a short page is measured by the extent of the body's
  // content, its last child's bottom margin collapsing with the body's own
  // as the layout does.
  function contentHeight() {
    const root = document.documentElement;
    const body = document.body;
    if (!root || !body) return 0;
    if (root.scrollHeight > window.innerHeight) return root.scrollHeight;
    const range = document.createRange();
    range.selectNodeContents(body);
    let bottom = range.getBoundingClientRect().bottom;
    let childMargin = 0;
    Array.prototype.forEach.call(body.children, function (child) {
      const rect = child.getBoundingClientRect();
      if ((rect.width > 0 || rect.height > 0) && rect.bottom >= bottom - 0.5) {
        bottom = Math.max(bottom, rect.bottom);
        childMargin = parseFloat(getComputedStyle(child).marginBottom) || 0;
      }
    });
    const style = getComputedStyle(body);
    const edge = parseFloat(style.paddingBottom) + parseFloat(style.borderBottomWidth);
    const bodyMargin = parseFloat(style.marginBottom);
    const below = edge > 0 ? childMargin + edge + bodyMargin : Math.max(childMargin, bodyMargin);
    return Math.ceil(Math.max(bottom + window.scrollY, 0) + below);
  }

  function report() {
    if (!view || !loaded) return;
    lastHeight = contentHeight();
    view.report({
      load: load, applied: applied, title: document.title, height: lastHeight,
      scroll: Math.round(window.scrollY), hasForm: document.forms.length > 0,
      fields: controls().map(fieldState)
    });
  }

  function reportIfTaller() {
    if (loaded && contentHeight() !== lastHeight) report();
  }

  function installViewStyle(css) {
    let style = document.getElementById('orindo-view-style');
    if (!css) {
      if (style) style.remove();
      return;
    }
    if (!style) {
      style = document.createElement('style');
      style.id = 'orindo-view-style';
    }
    style.textContent = css;
    const head = document.head || document.documentElement;
    if (head && style.parentNode !== head) head.insertBefore(style, head.firstChild);
  }

  function scrollToAnchor(name) {
    const target = document.getElementById(name) || document.getElementsByName(name)[0];
    if (target) target.scrollIntoView();
  }

  function applyField(el, field) {
    if (el.tagName === 'SELECT') {
      Array.prototype.forEach.call(el.options, function (o, i) { o.selected = !!field.selected[i]; });
    } else if (el.type === 'checkbox' || el.type === 'radio') {
      el.checked = field.checked;
    } else {
      el.value = field.value;
    }
  }

  // Commands from C++: {load, number, fields: [{index, name, ...}], scroll, anchor, style}.
  window.orindoCommand = function (command) {
    if (String(command.load) !== load) return;
    applied = command.number;
    const els = controls();
    (command.fields || []).forEach(function (field) {
      const el = els[field.index];
      if (el && el.name === field.name) applyField(el, field);
    });
    if (command.style !== undefined) installViewStyle(command.style);
    if (command.anchor !== undefined) scrollToAnchor(command.anchor);
    if (command.scroll !== undefined) {
      window.scrollTo(0, command.scroll);
      scrollTarget = document.readyState === 'complete' ? null : command.scroll;
    }
    report();
  };

  window.addEventListener('click', function (event) {
    if (event.defaultPrevented || event.button !== 0) return;
    // A submit button outside any form submits nothing in the browser; the
    // pages of the program use such buttons as commands, so report them.
    const lone = event.target instanceof Element ? event.target.closest('input[type=submit], button[type=submit]') : null;
    if (lone && !lone.form) {
      event.preventDefault();
      const caption = typeof lone.value === 'string' ? lone.value : '';
      send(function (v) { v.submitted(caption); });
      return;
    }
    const link = event.target instanceof Element ? event.target.closest('a[href], area[href]') : null;
    if (!link) return;
    const raw = link.getAttribute('href');
    if (/^\s*javascript:/i.test(raw)) return;
    event.preventDefault();
    const resolved = link.href;
    send(function (v) { v.linkClicked(raw, resolved); });
  });

  window.addEventListener('submit', function (event) {
    if (event.defaultPrevented) return;
    event.preventDefault();
    const button = event.submitter;
    const value = button && typeof button.value === 'string' ? button.value : '';
    send(function (v) { v.submitted(value); });
  });

  document.addEventListener('input', report, true);
  document.addEventListener('change', report, true);
  document.addEventListener('load', reportIfTaller, true); // pictures arriving late
  window.addEventListener('scroll', report, { passive: true });
  window.addEventListener('resize', reportIfTaller);

  // The view's style goes in as soon as the page has a head, before the
  // first layout.
  const headWatch = new MutationObserver(function () {
    if (!document.head) return;
    headWatch.disconnect();
    installViewStyle(ORINDO_VIEW_STYLE);
  });
  headWatch.observe(document, { childList: true, subtree: true });

  document.addEventListener('DOMContentLoaded', function () {
    headWatch.disconnect();
    installViewStyle(ORINDO_VIEW_STYLE);
    if (typeof ResizeObserver === 'function') {
      const observer = new ResizeObserver(reportIfTaller);
      observer.observe(document.documentElement);
      if (document.body) observer.observe(document.body);
    }
  });

  window.addEventListener('load', function () {
    loaded = true;
    if (scrollTarget !== null) window.scrollTo(0, scrollTarget);
    scrollTarget = null;
    report();
    document.fonts.ready.then(reportIfTaller);
  });

  if (typeof qt === 'undefined' || !qt.webChannelTransport) return;
  new QWebChannel(qt.webChannelTransport, function (channel) {
    view = channel.objects.htmlView;
    waiting.splice(0).forEach(function (call) { call(view); });
    report();
  });
})();
