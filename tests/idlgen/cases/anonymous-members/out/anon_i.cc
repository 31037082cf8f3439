[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"anon_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<anon_iUtils>
[cc.clone.sequence] return_type=<M::Longs> arg_type=<M::Longs> define_id=<long> altdefid=<M_Longs>
[cc.clone.sequence.pointer] return_type=<M::Longs> arg_type=<M::Longs> define_id=<long> altdefid=<M_Longs>
[cc.make.sequence] make_type=<M_Longs> return_type=<M::Longs> arg_type=<ret(long)>
[cc.compare.sequence] arg_type=<M::Longs>
[cc.clone.struct.begin] return_type=<M::S> arg_type=<M::S>
[cc.clone.struct.field] field_name=<v> return_type=<member(M::S v sequence)>
[cc.clone.struct.field] field_name=<a> return_type=<ret(NT_array_fixed member(M::S a array))>
[cc.clone.struct.field] field_name=<vv> return_type=<member(M::S vv sequence)>
[cc.clone.struct.field] field_name=<named> return_type=<M::Longs>
[cc.clone.struct.end] return_type=<M::Longs> arg_type=<M::S>
[cc.clone.struct.pointer.begin] return_type=<M::S> arg_type=<M::S>
[cc.clone.struct.pointer.field] field_name=<v> return_type=<member(M::S v sequence)>
[cc.clone.struct.pointer.field] field_name=<a> return_type=<ret(NT_array_fixed member(M::S a array))>
[cc.clone.struct.pointer.field] field_name=<vv> return_type=<member(M::S vv sequence)>
[cc.clone.struct.pointer.field] field_name=<named> return_type=<M::Longs>
[cc.clone.struct.pointer.end] return_type=<M::Longs> arg_type=<M::S>
[cc.make.struct.begin] make_type=<M_S> return_type=<ret(NT_struct_fixed M::S)> arglist=<[cchh.argument] arg_type=<member(M::S v sequence)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_array_fixed member(M::S a array))> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<member(M::S vv sequence)> arg_name=<arg3>
[cchh.arglist.separator]
[cchh.argument] arg_type=<M::Longs> arg_name=<arg4>
>
[cc.make.struct.field] field_name=<v> arg_name=<arg1>
[cc.make.struct.field] field_name=<a> arg_name=<arg2>
[cc.make.struct.field] field_name=<vv> arg_name=<arg3>
[cc.make.struct.field] field_name=<named> arg_name=<arg4>
[cc.make.struct.end] make_type=<M_S> return_type=<ret(NT_struct_fixed M::S)> arglist=<[cchh.argument] arg_type=<member(M::S v sequence)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_array_fixed member(M::S a array))> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<member(M::S vv sequence)> arg_name=<arg3>
[cchh.arglist.separator]
[cchh.argument] arg_type=<M::Longs> arg_name=<arg4>
>
[cc.compare.struct.begin] return_type=<M::S> arg_type=<M::S>
[cc.compare.struct.field] field_name=<v> return_type=<member(M::S v sequence)>
[cc.compare.struct.field] field_name=<a> return_type=<ret(NT_array_fixed member(M::S a array))>
[cc.compare.struct.field] field_name=<vv> return_type=<member(M::S vv sequence)>
[cc.compare.struct.field] field_name=<named> return_type=<M::Longs>
[cc.compare.struct.end] return_type=<M::Longs> arg_type=<M::S>
[cc.clone.union.begin] return_type=<M::U> arg_type=<M::U>
[cc.clone.union.field] field_name=<v> return_type=<member(M::U v sequence)> discriminant_value=<1>
[cc.clone.union.field] field_name=<a> return_type=<ret(NT_array_fixed member(M::U a array))> discriminant_value=<2>
[cc.clone.union.defaultfield] field_name=<s> return_type=<ret(NT_string local type)>
[cc.clone.union.end] return_type=<ret(NT_string local type)> arg_type=<M::U>
[cc.clone.union.pointer.begin] return_type=<M::U> arg_type=<M::U>
[cc.clone.union.pointer.field] field_name=<v> return_type=<member(M::U v sequence)> discriminant_value=<1>
[cc.clone.union.pointer.field] field_name=<a> return_type=<ret(NT_array_fixed member(M::U a array))> discriminant_value=<2>
[cc.clone.union.pointer.defaultfield] field_name=<s> return_type=<ret(NT_string local type)>
[cc.clone.union.pointer.end] return_type=<ret(NT_string local type)> arg_type=<M::U>
[cc.make.union.begin] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[cc.make.union.field] field_name=<v> arg_type=<member(M::U v sequence)> discriminant_value=<1>
[cc.make.union.field] field_name=<a> arg_type=<ret(NT_array_fixed member(M::U a array))> discriminant_value=<2>
[cc.make.union.defaultfield] field_name=<s> arg_type=<ret(NT_string local type)>
[cc.make.union.end] make_type=<M_U> return_type=<ret(NT_union_fixed M::U)>
[cc.compare.union.begin] return_type=<M::U> arg_type=<M::U>
[cc.compare.union.field] field_name=<v> return_type=<member(M::U v sequence)> discriminant_value=<1>
[cc.compare.union.field] field_name=<a> return_type=<ret(NT_array_fixed member(M::U a array))> discriminant_value=<2>
[cc.compare.union.defaultfield] field_name=<s> return_type=<ret(NT_string local type)>
[cc.compare.union.end] return_type=<ret(NT_string local type)> arg_type=<M::U>
[cc.clone.interface] interface_name=<M::I> return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)>
[cc.compare.interface] interface_name=<M::I> return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)>
[cc.clone.struct.begin] return_type=<M::I::Inner> arg_type=<M::I::Inner>
[cc.clone.struct.field] field_name=<_cxx_delete> return_type=<member(M::I::Inner _cxx_delete sequence)>
[cc.clone.struct.end] return_type=<member(M::I::Inner _cxx_delete sequence)> arg_type=<M::I::Inner>
[cc.clone.struct.pointer.begin] return_type=<M::I::Inner> arg_type=<M::I::Inner>
[cc.clone.struct.pointer.field] field_name=<_cxx_delete> return_type=<member(M::I::Inner _cxx_delete sequence)>
[cc.clone.struct.pointer.end] return_type=<member(M::I::Inner _cxx_delete sequence)> arg_type=<M::I::Inner>
[cc.make.struct.begin] make_type=<M_I_Inner> return_type=<ret(NT_struct_fixed M::I::Inner)> arglist=<[cchh.argument] arg_type=<member(M::I::Inner _cxx_delete sequence)> arg_name=<arg1>
>
[cc.make.struct.field] field_name=<_cxx_delete> arg_name=<arg1>
[cc.make.struct.end] make_type=<M_I_Inner> return_type=<ret(NT_struct_fixed M::I::Inner)> arglist=<[cchh.argument] arg_type=<member(M::I::Inner _cxx_delete sequence)> arg_name=<arg1>
>
[cc.compare.struct.begin] return_type=<M::I::Inner> arg_type=<M::I::Inner>
[cc.compare.struct.field] field_name=<_cxx_delete> return_type=<member(M::I::Inner _cxx_delete sequence)>
[cc.compare.struct.end] return_type=<member(M::I::Inner _cxx_delete sequence)> arg_type=<M::I::Inner>
[cc.class.begin] class_name=<M_I_i>
[cc.class.members.begin] class_name=<M_I_i>
[cc.class.member.begin] return_type=<> function_name=<M_I_i> arglist=<> class_name=<M_I_i>
[cc.class.member.body.begin] return_type=<> function_name=<M_I_i> arglist=<> class_name=<M_I_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.end]
[cc.main.begin] mainclass=<anon_i>
[cc.main.stubout] mainclass=<anon_i>
[cc.main.end] mainclass=<anon_i>
[cc.class.end]
[cc.end]
