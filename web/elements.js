// A new element of the page, with its properties set: how every module builds what it draws.
export const make = (tag, props = {}) => Object.assign(document.createElement(tag), props);
